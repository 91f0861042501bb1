#include "FrmAbout.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FrmAbout::FrmAbout(QWidget *parent)
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
    line(QStringLiteral("Quillfen Marine Instruments S.r.l."), true);
    line(QStringLiteral("Via delle Officine 27, 31020 Villorba (TV)"));
    line(QStringLiteral("Italy"));
    line(QStringLiteral("Tel. +39 0422 555 0147 / +39 0422 555 0148"));
    line(QStringLiteral("Fax +39 0422 555 0149"));
    line(QStringLiteral("www.quillfen-instruments.example"));
    line(QStringLiteral("Release 1.2"))->setObjectName(QStringLiteral("lblRelease"));
    line(QStringLiteral("© 2026 Quillfen Marine Instruments S.r.l. All rights reserved."));

    auto *ok = new QPushButton(QStringLiteral("OK"), frame);
    ok->setObjectName(QStringLiteral("cmdClose"));
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    content->addWidget(ok, 0, Qt::AlignRight);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
