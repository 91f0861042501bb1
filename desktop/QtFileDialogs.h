#pragma once

#include "window/FileDialogs.h"

#include <QPointer>
#include <QString>
#include <QWidget>

// The filter in Qt's "Description (*.ext)" form.
QString qtNameFilter(const gauge::FileFilter &filter);

class QtFileDialogs final : public gauge::FileDialogs
{
public:
    void setWindow(QWidget *window) { m_window = window; }

    std::string openFileName(const gauge::FileFilter &filter, const std::string &fileName) override;
    std::string saveFileName(const gauge::FileFilter &filter, const std::string &fileName) override;

private:
    QPointer<QWidget> m_window;
};
