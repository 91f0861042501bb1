#pragma once

#include <QWidget>

// "Information": the tool's name, its maker and its release.
class AboutWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent = nullptr);
};
