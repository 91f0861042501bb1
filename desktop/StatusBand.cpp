#include "StatusBand.h"

#include "CoreText.h"
#include "DesktopTexts.h"
#include "window/MainWindowModel.h"

#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>

namespace {

constexpr int BandHeight = 28;
constexpr int ProgressBarWidth = 273;

} // namespace

StatusBand::StatusBand(const gauge::MainWindowModel &model, QStatusBar *bar)
    : QObject(bar)
    , m_model(model)
{
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(BandHeight);
    m_text = new QLabel(bar);
    m_text->setObjectName(QStringLiteral("StatusText"));
    m_text->setTextFormat(Qt::PlainText);
    bar->addWidget(m_text, 1);

    m_progressBar = new QProgressBar(bar);
    m_progressBar->setObjectName(QStringLiteral("ProgressBar2"));
    m_progressBar->setRange(0, 100);
    m_progressBar->setFixedWidth(ProgressBarWidth);
    m_progressBar->setToolTip(desktopText::ProgressBarToolTip);
    bar->addPermanentWidget(m_progressBar);
}

void StatusBand::redraw()
{
    m_text->setText(fromCore(m_model.statusText()));
    m_progressBar->setVisible(m_model.progressVisible());
    m_progressBar->setValue(m_model.progressValue());
}
