#pragma once

#include <QObject>

class QLabel;
class QProgressBar;
class QStatusBar;

namespace gauge {
class MainWindowModel;
}

// The status band at the foot of the main window: one line of text, and the progress bar that
// follows a transfer.
class StatusBand final : public QObject
{
    Q_OBJECT

public:
    StatusBand(const gauge::MainWindowModel &model, QStatusBar *bar);

    void redraw();

private:
    const gauge::MainWindowModel &m_model;
    QLabel *m_text = nullptr;
    QProgressBar *m_progressBar = nullptr;
};
