#pragma once

#include <string>

// "COM7" names the seventh port as the window numbers them; anything else is a device path.
struct PortArgument
{
    enum Kind { DevicePath, ComNumber, ComOutOfRange } kind = DevicePath;
    int number = 0;
};

PortArgument portArgument(const std::string &port);
