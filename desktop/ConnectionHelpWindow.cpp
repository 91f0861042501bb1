#include "ConnectionHelpWindow.h"

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
    setWindowTitle(QStringLiteral("Help Connection"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *content = new QVBoxLayout(frame);

    auto *picture = new PictureWidget(&Artwork::paintConnectionDiagram, frame);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setFixedSize(WiringPictureSize);
    content->addWidget(picture);

    content->addWidget(paragraph(
        "lblHelp",
        QStringLiteral("The gauge can be connected to a personal computer using Products DRAV "
                       "TQX-4471 or TQX-4479. They consist of a serial cable to be connected to "
                       "the computer, a feeding cable to be connected to Jack B (Jack 2 or 3) "
                       "and a programming cable to be connected to Jack S (Jack 1). If Product "
                       "TQX-4471 is  used the gauge (+12V) feeds directly from the electrical "
                       "circuit (220VAC)."),
        frame));
    content->addWidget(paragraph("Label1",
                                 QStringLiteral("1) Attach jack plug (marked green) of the "
                                                "programming cable  to Jack S of the gauge (Jack "
                                                "1). "),
                                 frame));
    content->addWidget(paragraph(
        "Label2", QStringLiteral("2) Attach serial Jack DB9 to the computer's serial portal."),
        frame));
    content->addWidget(paragraph(
        "Label3", QStringLiteral("3) Attach feeding jack plug (marked red) to Jack 2 or 3."),
        frame));
    content->addWidget(paragraph("Label4",
                                 QStringLiteral("4) Connect the circuit outlet 220VAC, feeding "
                                                "tension +12VDC, with the remaining Jack B."),
                                 frame));

    // Part of the window but not offered: the help comes up at every start, so there is nothing
    // for it to set.
    auto *startup = new QCheckBox(QStringLiteral("Shows to the next startup "), frame);
    startup->setObjectName(QStringLiteral("chkStartup"));
    startup->setToolTip(QStringLiteral("Shows to the next startup "));
    startup->setVisible(false);
    content->addWidget(startup);

    auto *close = new QPushButton(QStringLiteral("Close"), frame);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    content->addWidget(close, 0, Qt::AlignRight);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
