#pragma once

#include <QWidget>

// "Help Connection": how to wire a gauge to the computer for programming.
class ConnectionHelpWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit ConnectionHelpWindow(QWidget *parent = nullptr);
};
