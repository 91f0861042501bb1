#pragma once

#include <QIcon>

class QPainter;
class QRectF;

// The tool's pictures are drawn rather than stored, so they stay sharp at any screen scale.
namespace Artwork {

// The maker's emblem: a gauge dial with its alarm zones, on a transparent background.
void paintLogo(QPainter &painter, const QRectF &bounds);

QIcon applicationIcon();

// How a gauge is wired for programming: the PC's serial cable to the junction block, the green
// lead to the gauge's rear terminal S, the red lead to terminal B.
void paintConnectionDiagram(QPainter &painter, const QRectF &bounds);

} // namespace Artwork
