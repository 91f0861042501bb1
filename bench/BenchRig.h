#pragma once

#include "SimulatedGauge.h"
#include "serial/Clock.h"
#include "serial/PortMap.h"
#include "serial/QtSerialPort.h"
#include "shell/FileDialogs.h"
#include "shell/MainForm.h"
#include "shell/Messages.h"
#include "shell/WindowCommands.h"

#include <string>

// The tool's form model with COM1 open on a simulated gauge, configured for a Voltmeter, and
// quiet stand-ins for the window's boxes and dialogs.
class BenchRig
{
public:
    explicit BenchRig(gauge::sim::ReplyMode mode);

    // One Send Data, in milliseconds.
    double sendMilliseconds();

    const std::string &lastMessage() const { return m_messages.last; }
    gauge::MainForm &form() { return m_form; }
    gauge::sim::SimulatedGauge &gauge() { return m_gauge; }

private:
    class OnePort final : public gauge::PortMap
    {
    public:
        explicit OnePort(std::string path)
            : m_path(std::move(path))
        {
        }
        std::optional<gauge::PortDevice> device(int number) const override;

    private:
        std::string m_path;
    };

    class LastMessage final : public gauge::Messages
    {
    public:
        void show(gauge::MessageIcon, const std::string &text, const std::string &) override
        {
            last = text;
        }
        bool ask(const std::string &) override { return true; }
        std::string last;
    };

    class NoDialogs final : public gauge::FileDialogs
    {
    public:
        std::string openFileName(const std::string &, const std::string &) override { return {}; }
        std::string saveFileName(const std::string &, const std::string &) override { return {}; }
    };

    class NoWindows final : public gauge::WindowCommands
    {
    public:
        void showConnectionHelp() override {}
        void showAbout() override {}
        void closeMainWindow() override {}
    };

    gauge::sim::SimulatedGauge m_gauge;
    OnePort m_ports;
    QtSerialPort m_port;
    LastMessage m_messages;
    NoDialogs m_dialogs;
    NoWindows m_windows;
    gauge::SteadyClock m_clock;
    gauge::MainForm m_form;
};
