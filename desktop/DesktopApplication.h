#pragma once

#include "EndOnSignal.h"
#include "MainWindow.h"
#include "QtFileDialogs.h"
#include "QtMessages.h"
#include "QtWindowCommands.h"
#include "serial/BackgroundProbes.h"
#include "serial/QtSerialPort.h"
#include "serial/QtTimer.h"
#include "serial/SystemPortMap.h"
#include "transfer/Clock.h"
#include "transfer/PortSurvey.h"
#include "transfer/Transfer.h"
#include "window/MainWindowModel.h"

#include <memory>

// The tool put together: the window model on this computer's serial ports, dialogs and message
// boxes, and its main window.
class DesktopApplication
{
public:
    DesktopApplication();

    // Runs the start-up and shows the main window.
    void start();

    MainWindow &window() { return m_window; }

private:
    SystemPortMap m_portMap;
    QtSerialPort m_serialPort;
    std::unique_ptr<gauge::PortProbes> m_portProbes = systemPortProbes(m_serialPort);
    gauge::SteadyClock m_clock;
    QtTimer m_timer;
    gauge::Transfer m_transfer {m_serialPort, m_clock, m_timer};
    gauge::PortSurvey m_portSurvey {m_serialPort, m_portMap, *m_portProbes};
    QtMessages m_messages;
    QtFileDialogs m_fileDialogs;
    QtWindowCommands m_windows;
    gauge::MainWindowModel m_model;
    MainWindow m_window;
    EndOnSignal m_endOnSignal {m_serialPort};
};
