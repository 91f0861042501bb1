#pragma once

#include "window/FileDialogs.h"

#include <QPointer>
#include <QString>
#include <QWidget>

// "Description|*.ext" pairs, as the tool writes its filters, in Qt's "Description (*.ext)" form.
QString qtNameFilter(const std::string &filter);

// The extension of the filter's first pattern ("gag" for "...|*.gag"): a name typed without one
// gets it, so the record shows up in the open dialog later.
QString defaultSuffix(const std::string &filter);

class QtFileDialogs final : public gauge::FileDialogs
{
public:
    void setWindow(QWidget *window) { m_window = window; }

    std::string openFileName(const std::string &filter, const std::string &fileName) override;
    std::string saveFileName(const std::string &filter, const std::string &fileName) override;

private:
    QPointer<QWidget> m_window;
};
