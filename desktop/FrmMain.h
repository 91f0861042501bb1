#pragma once

#include "window/MainWindowModel.h"

#include <QList>
#include <QMainWindow>
#include <QTimer>

#include <array>
#include <functional>

class QAction;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace gauge {
class PortMap;
}

// The main window: draws the window model with real widgets and forwards every click to it. It
// decides nothing itself; after each click it redraws from the model, so the widgets can never
// disagree with it.
class FrmMain final : public QMainWindow
{
    Q_OBJECT

public:
    explicit FrmMain(gauge::MainWindowModel &model, gauge::PortMap &portMap,
                     QWidget *parent = nullptr);

    // The start-up: the port probe, and the one-shot timer that brings up the connection help.
    void load();
    // Opens a record as "Gauge Parameter" does: one named on the command line, or dropped here.
    void openRecordFile(const QString &path);

    void syncFromModel();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildMenus();
    QWidget *buildWorkArea();
    void fixWorkAreaSize();
    QWidget *buildGaugeFrame();
    QGroupBox *buildOptionFrame(const char *name, const QString &caption, gauge::Choice choice,
                                const QList<int> &topToBottom);
    QGroupBox *buildToolBar();
    void buildStatusBar();

    void refreshPortMenu();
    void namePortDevices();
    QAction *addCommand(QMenu *menu, const char *name, const QString &caption,
                        const QKeySequence &shortcut, std::function<void()> command);
    void run(const std::function<void()> &command);
    void syncGroup(gauge::Choice choice);

    gauge::MainWindowModel &m_model;
    gauge::PortMap &m_portMap;

    std::array<QList<QRadioButton *>, gauge::ChoiceCount> m_optionButtons;
    QList<QAction *> m_gaugeActions;
    QList<QAction *> m_serialPortActions;
    QList<QAction *> m_commandActions;

    QWidget *m_workArea = nullptr;
    QWidget *m_picture = nullptr;
    QGroupBox *m_frmGauge = nullptr;
    QGroupBox *m_frmToolBar = nullptr;
    QPushButton *m_cmdTransfer = nullptr;
    QLabel *m_statusText = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QTimer m_connectionHelpTimer;
};
