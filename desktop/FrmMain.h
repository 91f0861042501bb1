#pragma once

#include "shell/MainForm.h"

#include <QList>
#include <QMainWindow>
#include <QTimer>

#include <array>

class QAction;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace gauge {
class PortMap;
}

// The main window: draws the form model with real widgets and forwards every click to it. It
// decides nothing itself; after each click it redraws from the model, so the widgets can never
// disagree with it.
class FrmMain final : public QMainWindow
{
    Q_OBJECT

public:
    explicit FrmMain(gauge::MainForm &form, const gauge::PortMap &portMap,
                     QWidget *parent = nullptr);

    // The start-up: defaults, curve table, port probe, help texts, and the one-shot timer that
    // brings up the connection help.
    void load();

    void syncFromModel();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    QWidget *buildWorkArea();
    void fixWorkAreaSize();
    QWidget *buildGaugeFrame();
    QGroupBox *buildOptionFrame(const char *name, const QString &caption, gauge::GroupId group,
                                const QList<int> &topToBottom);
    QGroupBox *buildToolBar();
    void buildStatusBar();

    QAction *addCommand(QMenu *menu, const char *name, const QString &caption,
                        const QKeySequence &shortcut, void (gauge::MainForm::*handler)());
    void run(void (gauge::MainForm::*handler)());
    void syncGroup(gauge::GroupId group);

    gauge::MainForm &m_form;
    const gauge::PortMap &m_portMap;

    std::array<QList<QRadioButton *>, gauge::GroupCount> m_optionButtons;
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
    QTimer m_timer1;
};
