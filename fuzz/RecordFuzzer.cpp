// Any byte string as a gauge parameter file, opened over a configured window. A refused file
// leaves the window exactly as it was; an accepted one restores exactly, whatever was on screen:
// no alarm is rejected on the way, and it saves back to the same nine bytes.
#include "FuzzCheck.h"
#include "records/Record.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

#include <algorithm>
#include <filesystem>

using namespace gauge;
using namespace gauge::test;

namespace {

bool onlyNoticesOfTheSupply(const FakeMessages &messages)
{
    const auto texts = messages.texts();
    return std::all_of(texts.begin(), texts.end(), [](const std::string &text) {
        return text == noticeText(Notice::DedicatedSupply);
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static TempDir dir;
    static const std::string record = dir.path("record.gag");
    static const std::string saved = dir.path("saved.gag");
    const std::vector<unsigned char> bytes(data, data + size);
    writeAll(record, bytes);

    WindowFixture f;
    f.startUp();
    f.choose(FuelLevel);
    f.click(Choice::Sender, 4);
    f.click(Choice::MinimumAlarm, 3);
    f.click(Choice::Contact, 1);
    const WindowSnapshot before = snapshot(f.model);
    f.messages.shown.clear();

    f.model.openRecordFile(record);

    if (const Status valid = checkRecord(bytes); !valid) {
        FUZZ_CHECK(f.messages.shown.size() == 1);
        FUZZ_CHECK(f.messages.shown[0].text.find(valid.error().reason) != std::string::npos);
        FUZZ_CHECK(snapshot(f.model) == before);
        return 0;
    }
    FUZZ_CHECK(f.config().complete());
    FUZZ_CHECK(f.model.gaugeFrameVisible());

    FUZZ_CHECK(onlyNoticesOfTheSupply(f.messages));
    const std::vector<unsigned char> expected(bytes.begin(), bytes.begin() + RecordSize);

    std::filesystem::remove(saved);
    f.dialogs.nextFileName = saved;
    f.model.saveRecord();
    FUZZ_CHECK(readAll(saved) == expected);
    return 0;
}
