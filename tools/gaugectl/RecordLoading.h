#pragma once

#include "records/Record.h"

#include <optional>
#include <string>

namespace gauge {
class GaugeSetup;
}

// Reads the record and applies it to the setup as "Open > Gauge Parameter" does in the window.
// What the setup has to say on the way (the 24 V notice) goes to standard error, in order. The
// record's nine bytes, or nothing when it was refused; the refusal is then printed, and kept.
std::optional<gauge::Record> loadRecord(const std::string &path, gauge::GaugeSetup &setup,
                                        std::string *refusal = nullptr);
