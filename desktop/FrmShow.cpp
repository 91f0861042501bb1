#include "FrmShow.h"

#include "artwork/Artwork.h"
#include "artwork/PictureWidget.h"
#include "help/StartupFlag.h"
#include "shell/Messages.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

QLabel *paragraph(const char *name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}

} // namespace

FrmShow::FrmShow(gauge::Messages &messages, QString startupFlagPath, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_messages(messages)
    , m_startupFlagPath(std::move(startupFlagPath))
{
    setObjectName(QStringLiteral("frmShow"));
    setWindowTitle(QStringLiteral("Help Connection"));
    setAttribute(Qt::WA_DeleteOnClose);
    setEnabled(true);

    auto *frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *content = new QVBoxLayout(frame);

    auto *picture = new PictureWidget(&Artwork::paintConnectionDiagram, frame);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setFixedSize(600, 208);
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

    // Kept, but not offered: the help comes up at every start regardless of the flag.
    m_chkStartup = new QCheckBox(QStringLiteral("Shows to the next startup "), frame);
    m_chkStartup->setObjectName(QStringLiteral("chkStartup"));
    m_chkStartup->setToolTip(QStringLiteral("Shows to the next startup "));
    m_chkStartup->setVisible(false);
    connect(m_chkStartup, &QCheckBox::clicked, this, &FrmShow::chkStartup_Click);
    content->addWidget(m_chkStartup);

    auto *close = new QPushButton(QStringLiteral("Close"), frame);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    content->addWidget(close, 0, Qt::AlignRight);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString FrmShow::defaultStartupFlagPath()
{
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\windows\\gag.hlp");
#else
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
            .filePath(QStringLiteral("gag.hlp"));
#endif
}

void FrmShow::chkStartup_Click()
{
    const gauge::FileResult result = gauge::writeStartupFlag(m_startupFlagPath.toStdString(),
                                                             m_chkStartup->isChecked());
    if (!result.ok())
        m_messages.error(tr("The start-up setting could not be saved to \"%1\": %2.")
                                 .arg(m_startupFlagPath, QString::fromStdString(result.reason))
                                 .toStdString());
}
