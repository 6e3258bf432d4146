#pragma once

#include <QFont>
#include <QRect>
#include <QRectF>

namespace fretwise {

// Window positions are kept in twips; Qt works in logical pixels and scales those for
// high-DPI screens itself.
constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPx(int twips) {
    return twips / kTwipsPerPixel;
}

constexpr double TwipsToPxF(double twips) {
    return twips / kTwipsPerPixel;
}

constexpr int PxToTwips(double px) {
    return static_cast<int>(px * kTwipsPerPixel);
}

inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(TwipsToPx(left), TwipsToPx(top), TwipsToPx(width), TwipsToPx(height));
}

// The window zoomed to percent: every length in twips becomes twips * percent / 1500 logical
// pixels, rounded down as at 100 %. The pictures copied, saved and printed never zoom.
constexpr int ZoomedPx(int twips, int percent) {
    return twips * percent / (kTwipsPerPixel * 100);
}

// A font at percent of its size, in the unit it was given in.
inline QFont ZoomedFont(const QFont& base, int percent) {
    QFont zoomed = base;
    if (base.pixelSize() > 0) {
        zoomed.setPixelSize(base.pixelSize() * percent / 100);
    } else {
        zoomed.setPointSizeF(base.pointSizeF() * percent / 100);
    }
    return zoomed;
}

inline QRect ZoomedRect(const QRect& twips, int percent) {
    return QRect(ZoomedPx(twips.left(), percent), ZoomedPx(twips.top(), percent),
                 ZoomedPx(twips.width(), percent), ZoomedPx(twips.height(), percent));
}

}  // namespace fretwise
