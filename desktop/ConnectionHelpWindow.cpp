#include "ConnectionHelpWindow.h"

#include "DesktopTexts.h"
#include "artwork/Artwork.h"
#include "artwork/PictureWidget.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The wiring picture is drawn for this size.
constexpr QSize WiringPictureSize {600, 208};

QLabel *paragraph(const char *name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}

} // namespace

ConnectionHelpWindow::ConnectionHelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmShow"));
    setWindowTitle(desktopText::ConnectionHelpTitle);
    setAttribute(Qt::WA_DeleteOnClose);

    auto *frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *content = new QVBoxLayout(frame);

    auto *picture = new PictureWidget(&Artwork::paintConnectionDiagram, frame);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setFixedSize(WiringPictureSize);
    content->addWidget(picture);

    content->addWidget(paragraph("lblHelp", desktopText::ConnectionHelp, frame));
    content->addWidget(paragraph("Label1", desktopText::ConnectionStep1, frame));
    content->addWidget(paragraph("Label2", desktopText::ConnectionStep2, frame));
    content->addWidget(paragraph("Label3", desktopText::ConnectionStep3, frame));
    content->addWidget(paragraph("Label4", desktopText::ConnectionStep4, frame));

    // Part of the window but not offered: the help comes up at every start, so there is nothing
    // for it to set.
    auto *startup = new QCheckBox(desktopText::ShowAtNextStartup, frame);
    startup->setObjectName(QStringLiteral("chkStartup"));
    startup->setToolTip(desktopText::ShowAtNextStartup);
    startup->setVisible(false);
    content->addWidget(startup);

    auto *close = new QPushButton(desktopText::Close, frame);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    content->addWidget(close, 0, Qt::AlignRight);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
