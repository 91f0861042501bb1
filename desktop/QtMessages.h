#pragma once

#include "window/Messages.h"

#include <QPointer>
#include <QWidget>

#include <functional>

// Message boxes without a title of their own, over the main window. Before a box comes up the
// window is redrawn, so it shows the state the message speaks about.
class QtMessages final : public gauge::Messages
{
public:
    void setWindow(QWidget *window, std::function<void()> beforeShow);

    void show(gauge::MessageIcon icon, const std::string &text, const std::string &detail) override;
    bool ask(const std::string &question) override;

private:
    void prepare();

    QPointer<QWidget> m_window;
    std::function<void()> m_beforeShow;
};
