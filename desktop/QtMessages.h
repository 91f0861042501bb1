#pragma once

#include "window/Messages.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QMessageBox;

// Message boxes without a title of their own, over the main window.
class QtMessages final : public gauge::Messages
{
public:
    void setWindow(QWidget *window) { m_window = window; }

    void show(gauge::MessageIcon icon, const std::string &text, const std::string &detail) override;
    bool ask(const std::string &question) override;

    // The box that show() runs. What it says comes from outside (file and device names, the
    // system's words) and is shown exactly as it is, never read as formatting.
    std::unique_ptr<QMessageBox> messageBox(gauge::MessageIcon icon, const std::string &text,
                                            const std::string &detail) const;

private:
    QPointer<QWidget> m_window;
};
