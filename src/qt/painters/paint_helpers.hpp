#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <string>

#include "qt/painters/twips.hpp"

namespace fretwise {

// Straight lines are filled as whole-pixel rectangles so they stay sharp at every scale.
// A line of width w is centred on its coordinate, rounded to the pixel grid.
inline void HorizontalLine(QPainter& painter, int y, int x1, int x2, int width,
                           const QColor& color) {
    const int top = TwipsToPx(y) - width / 2;
    const int left = TwipsToPx(x1);
    painter.fillRect(QRect(left, top, TwipsToPx(x2) - left + 1, width), color);
}

inline void VerticalLine(QPainter& painter, int x, int y1, int y2, int width, const QColor& color) {
    const int left = TwipsToPx(x) - width / 2;
    const int top = TwipsToPx(y1);
    painter.fillRect(QRect(left, top, width, TwipsToPx(y2) - top + 1), color);
}

// Fonts are sized in pixels so that the window, the exported images and the printed pages
// show the same layout whatever the screen's resolution.
inline QFont PixelFont(const QString& family, int pixels, bool bold = false) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

inline QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace fretwise
