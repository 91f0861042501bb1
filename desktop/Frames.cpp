#include "Frames.h"

#include <QApplication>
#include <QGroupBox>

QFont frameFont(int extraPoints)
{
    QFont font = QApplication::font();
    font.setBold(true);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() + extraPoints);
    else
        font.setPixelSize(font.pixelSize() + extraPoints);
    return font;
}

QGroupBox *captionedFrame(const char *name, const QString &caption, QWidget *parent)
{
    auto *box = new QGroupBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(caption);
    box->setFont(frameFont());
    return box;
}
