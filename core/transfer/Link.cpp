#include "transfer/Link.h"

#include "transfer/SerialPort.h"

namespace gauge {

namespace {

// The port procedures go on past a failing step and look at the last error at fixed points.
class PendingError
{
public:
    void record(int errorNumber)
    {
        if (errorNumber != 0)
            m_number = errorNumber;
    }
    int number() const { return m_number; }
    void clear() { m_number = 0; }

private:
    int m_number = 0;
};

} // namespace

std::array<bool, PortCount> probePorts(SerialPort &port)
{
    std::array<bool, PortCount> opens {};
    for (int n = 1; n <= PortCount; ++n)
        opens[static_cast<std::size_t>(n - 1)] = port.probe(n) == 0;
    return opens;
}

int openLink(SerialPort &port, int number)
{
    PendingError pending;
    if (port.isOpen())
        pending.record(port.close());
    pending.record(port.setPortNumber(number));
    pending.record(port.setLineSettings(LinkLineSettings));
    pending.record(port.setReceiveSettings(ReceiveSettings {}));
    pending.record(port.open());
    return pending.number();
}

std::string openingErrorText(int errorNumber)
{
    if (errorNumber == PortBusyError)
        return "Error : Port is busy";
    return "Error : " + std::to_string(errorNumber);
}

} // namespace gauge
