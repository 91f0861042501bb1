#pragma once

#include "FrmMain.h"
#include "HelpWindows.h"
#include "QtFileDialogs.h"
#include "QtMessages.h"
#include "serial/QtSerialPort.h"
#include "serial/SystemPortMap.h"
#include "transfer/Clock.h"

// The tool put together: the window model on this computer's serial ports, dialogs and message
// boxes, and its main window.
class DesktopApplication
{
public:
    DesktopApplication();

    // Runs the start-up and shows the main window.
    void start();

    FrmMain &window() { return m_window; }

private:
    SystemPortMap m_portMap;
    QtSerialPort m_serialPort {m_portMap};
    gauge::SteadyClock m_clock;
    QtMessages m_messages;
    QtFileDialogs m_fileDialogs;
    HelpWindows m_windows;
    gauge::MainWindowModel m_model;
    FrmMain m_window;
};
