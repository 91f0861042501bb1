#include "AboutWindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutWindow::AboutWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Information"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *content = new QVBoxLayout(frame);
    const auto line = [&](const QString &text, bool bold = false) {
        auto *label = new QLabel(text, frame);
        if (bold) {
            QFont font = label->font();
            font.setBold(true);
            label->setFont(font);
        }
        content->addWidget(label);
        return label;
    };
    line(QStringLiteral("Digital Settings "), true)->setObjectName(QStringLiteral("lblTitle"));
    // The maker is invented, and so is everything about it: the town does not exist, the numbers
    // come from the range the United Kingdom keeps for fiction, the web address from a domain
    // reserved for examples.
    line(QStringLiteral("Quillfen Marine Instruments Ltd"), true);
    line(QStringLiteral("27 Foundry Quay, Quillfen Harbour"));
    line(QStringLiteral("United Kingdom"));
    line(QStringLiteral("Tel. +44 1632 960147 / +44 1632 960148"));
    line(QStringLiteral("Fax +44 1632 960149"));
    line(QStringLiteral("www.quillfen-instruments.example"));
    line(QStringLiteral("Release " PROJECT_VERSION))->setObjectName(QStringLiteral("lblRelease"));
    line(QStringLiteral("© 2026 Quillfen Marine Instruments Ltd. All rights reserved."));

    auto *ok = new QPushButton(QStringLiteral("OK"), frame);
    ok->setObjectName(QStringLiteral("cmdClose"));
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    content->addWidget(ok, 0, Qt::AlignRight);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
