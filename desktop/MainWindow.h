#pragma once

#include <QMainWindow>
#include <QTimer>

#include <string>

class CommandButtons;
class GaugeFrame;
class MainMenus;
class StatusBand;

namespace gauge {
class MainWindowModel;
}

// The main window: draws the window model with real widgets and hands every action to it. It
// decides nothing itself; whenever the model announces a change it redraws from what the model
// says, so the widgets can never disagree with it.
class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(gauge::MainWindowModel &model, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The start-up: the port probe, and the one-shot timer that brings up the connection help.
    void startUp();
    // Opens a record as "Gauge Parameter" does: one named on the command line, or dropped here.
    void openRecordFile(const std::string &path);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QWidget *buildWorkArea();
    void redraw();

    gauge::MainWindowModel &m_model;
    QWidget *m_logo = nullptr;
    GaugeFrame *m_gaugeFrame = nullptr;
    CommandButtons *m_commandButtons = nullptr;
    MainMenus *m_menus = nullptr;
    StatusBand *m_statusBand = nullptr;
    QTimer m_connectionHelpTimer;
};
