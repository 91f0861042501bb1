#pragma once

#include <string>

namespace gauge {
class GaugeSetup;
}

// Reads the record and applies it to the setup as "Open > Gauge Parameter" does in the window.
// What the setup has to say on the way (the 24 V notice) goes to standard error, in order. False,
// with the refusal printed, when the record was refused.
bool loadRecord(const std::string &path, gauge::GaugeSetup &setup);
