#include "RecordLoading.h"

#include "gauge/GaugeSetup.h"
#include "records/Record.h"

#include <cstdio>

bool loadRecord(const std::string &path, gauge::GaugeSetup &setup)
{
    const gauge::RecordReading reading = gauge::readRecord(path);
    if (!reading.choices) {
        std::fprintf(stderr, "%s\n", reading.refusal.c_str());
        return false;
    }
    setup.setNoticeHandler([](gauge::Notice notice) {
        std::fprintf(stderr, "%s\n", std::string(gauge::noticeText(notice)).c_str());
    });
    setup.restore(*reading.choices);
    setup.setNoticeHandler({});
    return true;
}
