// The window model on a Windows PC: the real Windows serial adapter, the system's COM numbers, a
// gauge on the COM port GAUGE_TEST_PORT names (under wine, linked to the Linux simulated gauge)
// and the record GAUGE_TEST_RECORD holds. scripts/windows-e2e compares what the gauge received
// with what the Linux build sends.
#include "support/Fakes.h"

#include "serial/BackgroundProbes.h"
#include "serial/ComPortProbe.h"
#include "serial/QtSerialPort.h"
#include "serial/QtTimer.h"
#include "serial/SystemPortMap.h"
#include "transfer/Clock.h"
#include "transfer/PortSurvey.h"
#include "transfer/Transfer.h"
#include "transfer/TransferTexts.h"
#include "window/MainWindowModel.h"

#include <QCoreApplication>
#include <QtCore/qtestsupport_core.h>

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace gauge::test {
namespace {

std::string environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

TEST(ComPort, SendDataProgramsTheGaugeOnTheNamedPort)
{
    const std::string port = environment("GAUGE_TEST_PORT"); // "COM7"
    const std::string record = environment("GAUGE_TEST_RECORD");
    if (port.rfind("COM", 0) != 0 || record.empty())
        GTEST_SKIP()
            << "GAUGE_TEST_PORT (COMn) and GAUGE_TEST_RECORD name the gauge and the record";
    const int number = std::stoi(port.substr(3));

    FakeMessages messages;
    FakeFileDialogs dialogs;
    FakeWindows windows;
    SystemPortMap ports;
    QtSerialPort serialPort;
    const std::unique_ptr<PortProbes> probes = systemPortProbes(serialPort);
    QtTimer timer;
    SteadyClock clock;
    Transfer transfer {serialPort, clock, timer};
    PortSurvey survey {serialPort, ports, *probes};
    MainWindowModel model(Platform {messages, dialogs, windows}, survey, transfer);

    model.start();
    ASSERT_TRUE(QTest::qWaitFor([&survey] { return !survey.anyBeingTried(); }, 15000));
    ASSERT_TRUE(model.portMenuItem(number).enabled) << port << " did not open at the start";
    model.choosePort(number);
    ASSERT_EQ(model.statusText(), port + " Active");
    model.openRecordFile(record);
    ASSERT_TRUE(messages.shown.empty()) << messages.shown.front().text;

    // The packet is what scripts/windows-e2e compares; here the transfer must end, by the reply
    // or the deadline, and be told. (Under wine the reply is never reported to Qt Serial Port.)
    model.sendData();
    ASSERT_TRUE(QTest::qWaitFor([&model] { return model.takesCommands(); }, 5000));
    ASSERT_FALSE(messages.shown.empty());
    std::printf("outcome: %s\n", messages.shown.back().text.c_str());
}

// Windows' own number for a port that does not open reaches the technician with the system's words
// for it, as errno's does on Linux: a Bluetooth link whose device is away times out.
TEST(ComPort, ARefusalKeepsTheSystemsNumberAndWords)
{
    const OpeningRefusal timedOut = comPortRefusal(ERROR_SEM_TIMEOUT);
    EXPECT_EQ(openingErrorText(timedOut), "Error : 121");
    const std::string advice = openingAdvice(timedOut, "COM5");
    // Windows' words, and wine's.
    EXPECT_TRUE(advice == "COM5: The semaphore timeout period has expired."
                || advice == "COM5: Semaphore timeout.")
        << advice;
}

} // namespace
} // namespace gauge::test

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
