#pragma once

#include <QWidget>

// "Help Connection": how to wire a gauge to the computer for programming.
class FrmShow final : public QWidget
{
    Q_OBJECT

public:
    explicit FrmShow(QWidget *parent = nullptr);
};
