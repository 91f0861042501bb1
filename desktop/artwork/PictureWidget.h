#pragma once

#include <QWidget>

// Shows one of the tool's drawn pictures, scaled to the widget.
class PictureWidget final : public QWidget
{
    Q_OBJECT

public:
    using Painter = void (*)(QPainter &painter, const QRectF &bounds);

    explicit PictureWidget(Painter paint, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Painter m_paint;
};
