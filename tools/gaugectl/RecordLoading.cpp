#include "RecordLoading.h"

#include "Console.h"

#include "gauge/GaugeSetup.h"
#include "records/Record.h"

bool loadRecord(const std::string &path, gauge::GaugeSetup &setup)
{
    const gauge::RecordReading reading = gauge::readRecord(path);
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
