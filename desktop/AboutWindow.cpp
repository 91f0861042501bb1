#include "AboutWindow.h"

#include "DesktopTexts.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutWindow::AboutWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(desktopText::AboutTitle);
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
    line(desktopText::AboutHeading, true)->setObjectName(QStringLiteral("lblTitle"));
    line(desktopText::Maker, true);
    for (const char *text :
         {desktopText::MakerAddress, desktopText::MakerCountry, desktopText::MakerTelephone,
          desktopText::MakerFax, desktopText::MakerWeb})
        line(text);
    line(desktopText::Release)->setObjectName(QStringLiteral("lblRelease"));
    line(desktopText::Copyright);

    auto *ok = new QPushButton(desktopText::Ok, frame);
    ok->setObjectName(QStringLiteral("cmdClose"));
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    content->addWidget(ok, 0, Qt::AlignRight);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
