#pragma once

#include <QGroupBox>

class QPushButton;

namespace gauge {
class MainWindowModel;
}

// The band of command buttons under the work area: Send Data, Clear, Close and Exit.
class CommandButtons final : public QGroupBox
{
    Q_OBJECT

public:
    explicit CommandButtons(gauge::MainWindowModel &model, QWidget *parent = nullptr);

    void redraw();

private:
    QPushButton *addButton(const char *name, const QString &caption, const QString &toolTip);

    gauge::MainWindowModel &m_model;
    QPushButton *m_sendDataButton = nullptr;
};
