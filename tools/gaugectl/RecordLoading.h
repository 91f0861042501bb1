#pragma once

#include "records/Record.h"

namespace gauge {
class GaugeSetup;
}

// Applies a record that was read to the setup, as "Open > Gauge Parameter" does in the window.
// What the setup has to say on the way (the 24 V notice) goes to standard error, in order; so
// does the refusal of a record that could not be read or restored, and then it is false.
bool restoreRecord(const gauge::Result<gauge::RecordChoices> &reading, gauge::GaugeSetup &setup);
