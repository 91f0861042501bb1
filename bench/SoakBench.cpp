// 10,000 Send Data transfers against the simulated gauge in one process, with a bad reply every
// 100th: every result must be the one the gauge's answer calls for, and the resident memory
// must not creep.
//   soakbench [transfers]
#include "BenchRig.h"

#include "transfer/Transfer.h"
#include "transfer/TransferTexts.h"

#include <QCoreApplication>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int transfers = argc > 1 ? std::max(1000, std::atoi(argv[1])) : 10000;
    using gauge::TransferOutcome;
    using gauge::sim::ReplyMode;
    const std::string sent(gauge::outcomeText(TransferOutcome::Sent));
    const std::string notConfirmed(gauge::outcomeText(TransferOutcome::NotConfirmed));

    BenchRig rig(ReplyMode::Correct);
    int unexpected = 0;
    int answeredBadly = 0;
    long residentAt1000 = 0;
    const auto answersBadly = [](int transfer) { return (transfer + 1) % 100 == 0; };
    rig.sendData(
        transfers,
        [&](int transfer) {
            rig.gauge().setMode(answersBadly(transfer) ? ReplyMode::BadEcho : ReplyMode::Correct);
        },
        [&](int transfer, double) {
            // The simulated gauge keeps what it received until it is taken; only the tool is
            // measured.
            rig.gauge().takePackets();
            if (rig.lastMessage() != (answersBadly(transfer) ? notConfirmed : sent))
                ++unexpected;
            if (rig.lastMessage() == notConfirmed)
                ++answeredBadly;
            if (transfer + 1 == 1000)
                residentAt1000 = residentKilobytes();
        });
    const long residentAtEnd = residentKilobytes();
    std::printf("%d transfers, %d answered badly on purpose: %d unexpected results\n", transfers,
                answeredBadly, unexpected);
    std::printf("resident memory: %ld kB after transfer 1000, %ld kB after transfer %d: grew %ld kB"
                " (target: under 1024 kB)\n",
                residentAt1000, residentAtEnd, transfers, residentAtEnd - residentAt1000);
    return unexpected == 0 && residentAtEnd - residentAt1000 < 1024 ? 0 : 1;
}
