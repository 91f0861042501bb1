#pragma once

#include <QFont>
#include <QString>

class QGroupBox;
class QWidget;

// The font of a frame's caption: bold, and as large as the window's text unless told otherwise.
// The size is set, not inherited, so a frame inside a larger-captioned one keeps its own.
QFont frameFont(int extraPoints = 0);

// A frame announced by its own caption: without a name of its own, an assistive tool would give
// an inner frame its parent's.
QGroupBox *captionedFrame(const char *name, const QString &caption, QWidget *parent = nullptr);
