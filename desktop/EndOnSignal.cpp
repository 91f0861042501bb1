#include "EndOnSignal.h"

#include "transfer/SerialPort.h"

#include <QCoreApplication>

EndOnSignal::EndOnSignal(gauge::SerialPort &port, QObject *parent)
    : QObject(parent)
{
    // exit(), not quit(): quit() asks every window to close first, and the main window keeps
    // itself open while a transfer runs.
    connect(&m_watch, &TerminationWatch::terminationRequested, this, [&port] {
        port.close();
        QCoreApplication::exit(0);
    });
}
