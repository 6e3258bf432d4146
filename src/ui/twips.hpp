#pragma once

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

}  // namespace fretwise
