// Any byte string as a gauge parameter file, opened over a configured form. A refused file leaves
// the form exactly as it was; an accepted one saves back to the same nine bytes, but for an alarm
// threshold the option handlers legitimately reject, which is saved as off.
#include "FuzzCheck.h"
#include "files/Record.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

#include <algorithm>
#include <filesystem>

using namespace gauge;
using namespace gauge::test;

namespace {

bool shown(const FakeMessages &messages, const std::string &text)
{
    const auto texts = messages.texts();
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static TempDir dir;
    static const std::string record = dir.path("record.gag");
    static const std::string saved = dir.path("saved.gag");
    const std::vector<unsigned char> bytes(data, data + size);
    writeAll(record, bytes);

    FormFixture f;
    f.load();
    f.choose(1);
    f.click(GroupId::optSender, 4);
    f.click(GroupId::optMinAll, 3);
    f.click(GroupId::optNO_NC, 1);
    const FormSnapshot before = snapshot(f.form);
    f.messages.shown.clear();

    f.dialogs.nextFileName = record;
    f.form.GaugPar_Click();

    const std::string problem = recordProblem(bytes);
    if (!problem.empty()) {
        FUZZ_CHECK(f.messages.shown.size() == 1);
        FUZZ_CHECK(f.messages.shown[0].text.find(problem) != std::string::npos);
        FUZZ_CHECK(snapshot(f.form) == before);
        return 0;
    }
    FUZZ_CHECK(ConfigurationComplete(f.config()));
    FUZZ_CHECK(f.form.gaugeFrameVisible());
    FUZZ_CHECK(!f.config().LoadedFromFile);

    std::vector<unsigned char> expected(bytes.begin(), bytes.begin() + RecordSize);
    if (shown(f.messages, "Error: Maximum Alarm is minor than Minimum Alarm"))
        expected[RecordByte::MaxAlarm] = RecordBase + 4;
    if (shown(f.messages, "Error: Minimu Alarm is greater than Maximum Alarm"))
        expected[RecordByte::MinAlarm] = RecordBase;

    std::filesystem::remove(saved);
    f.dialogs.nextFileName = saved;
    f.form.SalvaConfigurazione_Click();
    FUZZ_CHECK(readAll(saved) == expected);
    return 0;
}
