#include "RecordLoading.h"

#include "Console.h"

#include "gauge/GaugeSetup.h"

std::optional<gauge::Record> loadRecord(const std::string &path, gauge::GaugeSetup &setup,
                                        std::string *refusal)
{
    const gauge::RecordReading reading = gauge::readRecord(path);
    if (!reading.choices) {
        printLine(stderr, printable(reading.refusal));
        if (refusal)
            *refusal = reading.refusal;
        return std::nullopt;
    }
    setup.setNoticeHandler(
        [](gauge::Notice notice) { printLine(stderr, gauge::noticeText(notice)); });
    setup.restore(*reading.choices);
    setup.setNoticeHandler({});
    return gauge::encodeRecord(*reading.choices);
}
