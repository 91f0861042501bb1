#include "MainWindow.h"

#include "CommandButtons.h"
#include "CoreText.h"
#include "DesktopTexts.h"
#include "GaugeFrame.h"
#include "MainMenus.h"
#include "StatusBand.h"
#include "artwork/Artwork.h"
#include "artwork/PictureWidget.h"
#include "window/MainWindowModel.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QVBoxLayout>

#include <string>
#include <vector>

namespace {

constexpr QSize WorkAreaSize(691, 421);
constexpr QSize LogoSize(378, 376);
const QColor WorkAreaBlue(0, 0, 123);

// On Linux a file name is bytes, which a URL carries percent-encoded whatever they are; decoded
// into a QString, those that are not UTF-8 would be lost.
std::string localPathOf(const QUrl &url)
{
#ifdef Q_OS_UNIX
    return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString();
#else
    return fileNameForCore(url.toLocalFile());
#endif
}

// The local files among dropped URLs; anything else stands as an empty path, which no record
// has.
std::vector<std::string> droppedFiles(const QMimeData *data)
{
    std::vector<std::string> paths;
    if (!data || !data->hasUrls())
        return paths;
    const QList<QUrl> urls = data->urls();
    for (const QUrl &url : urls)
        paths.push_back(url.isLocalFile() ? localPathOf(url) : std::string());
    return paths;
}

} // namespace

MainWindow::MainWindow(gauge::MainWindowModel &model, QWidget *parent)
    : QMainWindow(parent)
    , m_model(model)
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(desktopText::MainWindowTitle);
    setAcceptDrops(true);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildWorkArea());
    m_commandButtons = new CommandButtons(m_model, central);
    layout->addWidget(m_commandButtons);
    setCentralWidget(central);
    m_menus = new MainMenus(m_model, menuBar());
    m_statusBand = new StatusBand(m_model, statusBar());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Once per run, shortly after the main window has come up: the connection help.
    m_connectionHelpTimer.setObjectName(QStringLiteral("Timer1"));
    m_connectionHelpTimer.setSingleShot(true);
    connect(&m_connectionHelpTimer, &QTimer::timeout, this,
            [this] { m_model.showConnectionHelp(); });

    m_model.setChangeListener([this] { redraw(); });
    redraw();
}

MainWindow::~MainWindow()
{
    m_model.setChangeListener({});
}

// The blue work area shows the logo until a gauge type brings up the gauge frame over it. It is
// sized once, for the largest gauge frame any gauge type needs.
QWidget *MainWindow::buildWorkArea()
{
    auto *workArea = new QWidget(this);
    workArea->setObjectName(QStringLiteral("WorkArea"));
    workArea->setAutoFillBackground(true);
    QPalette blue = workArea->palette();
    blue.setColor(QPalette::Window, WorkAreaBlue);
    workArea->setPalette(blue);

    m_logo = new PictureWidget(&Artwork::paintLogo, workArea);
    m_logo->setObjectName(QStringLiteral("Picture1"));
    m_logo->setFixedSize(LogoSize);
    m_gaugeFrame = new GaugeFrame(m_model, workArea);

    auto *stack = new QGridLayout(workArea);
    stack->setContentsMargins(4, 2, 4, 2);
    stack->addWidget(m_logo, 0, 0, Qt::AlignCenter);
    stack->addWidget(m_gaugeFrame, 0, 0);
    const QSize frameSize = m_gaugeFrame->sizeForEveryGaugeType().grownBy(stack->contentsMargins());
    workArea->setFixedSize(frameSize.expandedTo(WorkAreaSize));
    return workArea;
}

void MainWindow::startUp()
{
    m_model.start();
    m_connectionHelpTimer.start(gauge::MainWindowModel::ConnectionHelpDelay);
}

void MainWindow::openRecordFile(const std::string &path)
{
    m_model.openRecordFile(path);
}

// The one place the window is drawn: the model calls it whenever what it says has changed.
void MainWindow::redraw()
{
    m_gaugeFrame->redraw();
    m_logo->setVisible(!m_model.gaugeFrameVisible());
    m_commandButtons->redraw();
    m_menus->redraw();
    m_statusBand->redraw();
    if (m_model.mousePointer() == gauge::MousePointer::WhatsThis)
        setCursor(Qt::WhatsThisCursor);
    else
        unsetCursor();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_model.windowMayClose()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (m_model.takesDroppedFiles(droppedFiles(event->mimeData())))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const std::vector<std::string> paths = droppedFiles(event->mimeData());
    if (!m_model.takesDroppedFiles(paths))
        return;
    event->acceptProposedAction();
    // Opened once the drop is over: a refusal's message box must not hold up the file manager
    // that is waiting for the drop to end.
    QTimer::singleShot(0, this, [this, path = paths.front()] { m_model.openRecordFile(path); });
}
