#include "RecordLoading.h"

#include "Console.h"

#include "gauge/GaugeSetup.h"

bool restoreRecord(const gauge::Result<gauge::RecordChoices> &reading, gauge::GaugeSetup &setup)
{
    if (!reading) {
        printLine(stderr, printable(reading.error().reason));
        return false;
    }
    setup.setNoticeHandler(
        [](gauge::Notice notice) { printLine(stderr, gauge::noticeText(notice)); });
    setup.restore(reading.value());
    setup.setNoticeHandler({});
    return true;
}
