#include "Artwork.h"

#include "DesktopTexts.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>

namespace {

const QColor Navy(0, 0, 123);
const QColor Steel(205, 212, 222);
const QColor Amber(255, 176, 0);
const QColor AlarmRed(214, 40, 40);
const QColor LeadGreen(0, 150, 60);
const QColor LeadRed(200, 30, 30);
const QColor Ink(30, 30, 40);

QPointF onCircle(const QPointF &centre, qreal radius, qreal degrees)
{
    const qreal angle = qDegreesToRadians(degrees);
    return centre + QPointF(radius * qCos(angle), -radius * qSin(angle));
}

// The dial sweeps 270 degrees, from lower left (225) clockwise to lower right (-45).
qreal dialAngle(qreal fraction)
{
    return 225.0 - 270.0 * fraction;
}

void drawArc(QPainter &painter, const QRectF &rect, qreal fromFraction, qreal toFraction)
{
    const qreal start = dialAngle(fromFraction);
    const qreal span = dialAngle(toFraction) - start;
    painter.drawArc(rect, qRound(start * 16), qRound(span * 16));
}

void drawLabel(QPainter &painter, const QRectF &rect, const QString &text,
               int flags = Qt::AlignCenter)
{
    painter.setPen(Ink);
    painter.drawText(rect, flags, text);
}

void drawComputer(QPainter &painter, const QRectF &area)
{
    const QRectF screen(area.left(), area.top(), area.width(), area.height() * 0.62);
    painter.setPen(QPen(Ink, 2));
    painter.setBrush(Steel);
    painter.drawRoundedRect(screen, 6, 6);
    painter.setBrush(Navy);
    painter.drawRect(screen.adjusted(8, 8, -8, -8));
    painter.setBrush(Steel);
    const QRectF stand(screen.center().x() - 10, screen.bottom(), 20, area.height() * 0.12);
    painter.drawRect(stand);
    painter.drawRoundedRect(
        QRectF(area.left() + 10, stand.bottom(), area.width() - 20, area.height() * 0.1), 3, 3);
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(screen.adjusted(8, 8, -8, -8), Qt::AlignCenter, QStringLiteral("PC"));
}

void drawGaugeRear(QPainter &painter, const QPointF &centre, qreal radius, const QPointF &terminalS,
                   const QPointF &terminalB)
{
    painter.setPen(QPen(Ink, 2));
    painter.setBrush(QColor(60, 60, 70));
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(QColor(90, 90, 100));
    painter.drawEllipse(centre, radius * 0.78, radius * 0.78);

    for (const auto &[point, name] :
         {std::pair {terminalS, QStringLiteral("S")}, std::pair {terminalB, QStringLiteral("B")}}) {
        painter.setPen(QPen(Ink, 2));
        painter.setBrush(QColor(230, 190, 80));
        painter.drawEllipse(point, 9, 9);
        QFont font = painter.font();
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRectF(point.x() - 30, point.y() - 32, 60, 20), Qt::AlignCenter, name);
    }
}

} // namespace

namespace Artwork {

void paintLogo(QPainter &painter, const QRectF &bounds)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(bounds.width(), bounds.height());
    const QPointF centre = bounds.center();
    const qreal radius = side * 0.46;

    painter.setPen(QPen(Steel, side * 0.03));
    painter.setBrush(QColor(10, 14, 40));
    painter.drawEllipse(centre, radius, radius);

    const qreal scaleRadius = radius * 0.78;
    const QRectF scaleRect(centre.x() - scaleRadius, centre.y() - scaleRadius, 2 * scaleRadius,
                           2 * scaleRadius);
    QPen band(Qt::white, side * 0.045, Qt::SolidLine, Qt::FlatCap);
    painter.setPen(band);
    drawArc(painter, scaleRect, 0.2, 0.8);
    band.setColor(AlarmRed);
    painter.setPen(band);
    drawArc(painter, scaleRect, 0.0, 0.2);
    drawArc(painter, scaleRect, 0.8, 1.0);

    painter.setPen(QPen(Steel, side * 0.012, Qt::SolidLine, Qt::RoundCap));
    for (int tick = 0; tick <= 10; ++tick) {
        const qreal angle = dialAngle(tick / 10.0);
        painter.drawLine(onCircle(centre, radius * 0.58, angle),
                         onCircle(centre, radius * 0.66, angle));
    }

    const qreal needleAngle = dialAngle(0.68);
    QPainterPath needle;
    needle.moveTo(onCircle(centre, radius * 0.72, needleAngle));
    needle.lineTo(onCircle(centre, radius * 0.06, needleAngle + 90));
    needle.lineTo(onCircle(centre, radius * 0.16, needleAngle + 180));
    needle.lineTo(onCircle(centre, radius * 0.06, needleAngle - 90));
    needle.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Amber);
    painter.drawPath(needle);
    painter.setBrush(Steel);
    painter.drawEllipse(centre, radius * 0.08, radius * 0.08);

    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(qMax(1, qRound(side * 0.075)));
    painter.setFont(font);
    painter.setPen(Amber);
    const QRectF readout(centre.x() - radius * 0.5, centre.y() + radius * 0.3, radius,
                         radius * 0.3);
    painter.drawText(readout, Qt::AlignCenter, QStringLiteral("88.8"));
    painter.restore();
}

namespace {

// Draws the emblem at whatever size is asked for, when it is asked for.
class LogoIconEngine final : public QIconEngine
{
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        paintLogo(*painter, QRectF(rect));
    }
    QIconEngine *clone() const override { return new LogoIconEngine; }
};

} // namespace

QIcon applicationIcon()
{
    return QIcon(new LogoIconEngine);
}

void paintConnectionDiagram(QPainter &painter, const QRectF &bounds)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(bounds, QColor(246, 246, 240));
    const qreal x = bounds.left();
    const qreal y = bounds.top();
    const qreal w = bounds.width();
    const qreal h = bounds.height();

    const QRectF computer(x + w * 0.03, y + h * 0.18, w * 0.17, h * 0.62);
    drawComputer(painter, computer);

    const QRectF junction(x + w * 0.40, y + h * 0.38, w * 0.11, h * 0.24);
    const QPointF gaugeCentre(x + w * 0.84, y + h * 0.47);
    const qreal gaugeRadius = h * 0.36;
    const QPointF terminalS = gaugeCentre + QPointF(-gaugeRadius * 0.35, -gaugeRadius * 0.25);
    const QPointF terminalB = gaugeCentre + QPointF(gaugeRadius * 0.35, -gaugeRadius * 0.25);

    // Serial cable with its DB9 plug at the computer.
    const QPointF plug(computer.right() + 4, computer.top() + computer.height() * 0.45);
    QPainterPath serial;
    serial.moveTo(plug + QPointF(18, 0));
    serial.cubicTo(plug + QPointF(80, 0), junction.topLeft() + QPointF(-60, junction.height() / 2),
                   QPointF(junction.left(), junction.center().y()));
    painter.setPen(QPen(QColor(70, 70, 80), 5, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(serial);
    painter.setPen(QPen(Ink, 1.5));
    painter.setBrush(QColor(150, 160, 175));
    painter.drawRoundedRect(QRectF(plug.x(), plug.y() - 9, 20, 18), 3, 3);

    painter.setBrush(QColor(40, 40, 48));
    painter.drawRoundedRect(junction, 6, 6);
    painter.setPen(Qt::white);
    painter.drawText(junction, Qt::AlignCenter, desktopText::Junction);

    // The green lead reaches S over the top, the red one B from below, so they never cross.
    const auto drawLead
        = [&](const QColor &colour, qreal fromY, const QPointF &to, const QPointF &approach) {
              QPainterPath lead;
              const QPointF from(junction.right(), fromY);
              lead.moveTo(from);
              lead.cubicTo(from + QPointF(70, 0), to + approach, to);
              painter.setPen(QPen(colour, 4, Qt::SolidLine, Qt::RoundCap));
              painter.setBrush(Qt::NoBrush);
              painter.drawPath(lead);
          };
    drawGaugeRear(painter, gaugeCentre, gaugeRadius, terminalS, terminalB);
    drawLead(LeadGreen, junction.top() + junction.height() * 0.3, terminalS, QPointF(-90, -40));
    drawLead(LeadRed, junction.top() + junction.height() * 0.7, terminalB,
             QPointF(-10, gaugeRadius * 1.6));

    QFont font = painter.font();
    font.setBold(false);
    font.setPixelSize(qMax(1, qRound(h * 0.062)));
    painter.setFont(font);
    drawLabel(painter, QRectF(x + w * 0.21, y + h * 0.17, w * 0.2, h * 0.12),
              desktopText::SerialCable);
    drawLabel(painter, QRectF(x + w * 0.52, y + h * 0.06, w * 0.2, h * 0.12),
              desktopText::GreenLead);
    drawLabel(painter, QRectF(x + w * 0.52, y + h * 0.74, w * 0.2, h * 0.12), desktopText::RedLead);
    drawLabel(painter, QRectF(x + w * 0.70, y + h * 0.86, w * 0.28, h * 0.12),
              desktopText::GaugeRearView);
    painter.restore();
}

} // namespace Artwork
