#include "CommandButtons.h"

#include "DesktopTexts.h"
#include "Frames.h"
#include "window/MainWindowModel.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace {

constexpr int BandHeight = 57;

} // namespace

CommandButtons::CommandButtons(gauge::MainWindowModel &model, QWidget *parent)
    : QGroupBox(desktopText::ToolBar, parent)
    , m_model(model)
{
    setObjectName(QStringLiteral("frmToolBar"));
    setAccessibleName(title());
    setFont(frameFont());
    setFixedHeight(BandHeight);
    setAutoFillBackground(true);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(8, 2, 8, 4);

    m_sendDataButton
        = addButton("cmdTransfer", desktopText::SendData, desktopText::SendDataToolTip);
    connect(m_sendDataButton, &QPushButton::clicked, this, [this] { m_model.sendData(); });
    row->addWidget(m_sendDataButton);

    QPushButton *clear = addButton("cmdClearCofn", desktopText::Clear, desktopText::ClearToolTip);
    connect(clear, &QPushButton::clicked, this, [this] { m_model.clearConfiguration(); });
    row->addWidget(clear);

    QPushButton *close = addButton("cmdClose", desktopText::Close, desktopText::CloseToolTip);
    connect(close, &QPushButton::clicked, this, [this] { m_model.closeGauge(); });
    row->addWidget(close);

    row->addStretch();
    QPushButton *exit = addButton("cmdExit", desktopText::Exit, QString());
    connect(exit, &QPushButton::clicked, this,
            [this] { m_model.exitProgram(gauge::ExitFrom::ToolBar); });
    row->addWidget(exit);
}

QPushButton *CommandButtons::addButton(const char *name, const QString &caption,
                                       const QString &toolTip)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(toolTip);
    return button;
}

void CommandButtons::redraw()
{
    setEnabled(m_model.takesCommands());
    m_sendDataButton->setEnabled(m_model.sendDataEnabled());
}
