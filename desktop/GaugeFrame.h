#pragma once

#include "gauge/Options.h"

#include <QGroupBox>
#include <QList>

#include <array>

class QRadioButton;

namespace gauge {
class MainWindowModel;
}

// The gauge being set up: its title, and a frame of option buttons for each choice. The buttons
// are real radio buttons, exclusive within their frame; every way of ticking one (the mouse, the
// keyboard, an assistive tool's action) reaches the model as the same choice, and what they show
// is always what the model says.
class GaugeFrame final : public QGroupBox
{
    Q_OBJECT

public:
    explicit GaugeFrame(gauge::MainWindowModel &model, QWidget *parent = nullptr);

    // The room the frame needs whatever the gauge type, so the window keeps its size.
    QSize sizeForEveryGaugeType();
    void redraw();

private:
    QGroupBox *buildOptionFrame(const char *name, const QString &caption, gauge::Choice choice,
                                const QList<int> &topToBottom);
    QGroupBox *buildSenderFrame();
    QGroupBox *buildAlarmFrame();
    void redrawGroup(gauge::Choice choice);

    gauge::MainWindowModel &m_model;
    std::array<QList<QRadioButton *>, gauge::ChoiceCount> m_optionButtons;
};
