#pragma once

#include <QWidget>

// "Information": the tool's name, its maker and its release.
class FrmAbout final : public QWidget
{
    Q_OBJECT

public:
    explicit FrmAbout(QWidget *parent = nullptr);
};
