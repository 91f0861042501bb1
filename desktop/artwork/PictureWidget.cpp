#include "PictureWidget.h"

#include <QPainter>

PictureWidget::PictureWidget(Painter paint, QWidget *parent)
    : QWidget(parent)
    , m_paint(paint)
{
}

void PictureWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_paint(painter, QRectF(rect()));
}
