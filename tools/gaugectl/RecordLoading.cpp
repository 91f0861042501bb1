#include "RecordLoading.h"

#include "Console.h"

#include "gauge/GaugeSetup.h"

bool restoreRecord(const gauge::RecordReading &reading, gauge::GaugeSetup &setup)
{
    if (!reading.choices) {
        printLine(stderr, printable(reading.refusal));
        return false;
    }
    setup.setNoticeHandler(
        [](gauge::Notice notice) { printLine(stderr, gauge::noticeText(notice)); });
    setup.restore(*reading.choices);
    setup.setNoticeHandler({});
    return true;
}
