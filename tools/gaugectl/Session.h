#pragma once

#include "ConsoleMessages.h"
#include "serial/Clock.h"
#include "serial/PortMap.h"
#include "serial/QtSerialPort.h"
#include "shell/FileDialogs.h"
#include "shell/MainForm.h"
#include "shell/WindowCommands.h"

#include <string>

// The one port a command works with, as COM number `number`; nothing else is ever opened.
class SinglePortMap final : public gauge::PortMap
{
public:
    SinglePortMap() = default;
    SinglePortMap(int number, gauge::PortDevice device);

    std::optional<gauge::PortDevice> device(int number) const override;

private:
    int m_number = 0;
    gauge::PortDevice m_device;
};

// The window's form model without a window: the same restore, packet and exchange code.
class Session
{
public:
    Session(const gauge::PortMap &ports, ConsoleMessages &messages);

    // Opens the record as "Gauge Parameter" does; false when the file was refused.
    bool openRecord(const std::string &path);

    gauge::MainForm &form() { return m_form; }

private:
    class FixedFile final : public gauge::FileDialogs
    {
    public:
        std::string openFileName(const std::string &, const std::string &) override { return name; }
        std::string saveFileName(const std::string &, const std::string &) override { return {}; }
        std::string name;
    };

    class NoWindows final : public gauge::WindowCommands
    {
    public:
        void showConnectionHelp() override {}
        void showAbout() override {}
        void closeMainWindow() override {}
    };

    QtSerialPort m_port;
    FixedFile m_files;
    NoWindows m_windows;
    gauge::SteadyClock m_clock;
    gauge::MainForm m_form;
};
