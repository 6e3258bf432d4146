#include "qt/painters/contrast.hpp"

#include <QPalette>
#include <algorithm>
#include <cmath>

namespace fretwise {
namespace {

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c) {
    return 0.2126 * Linear(c.redF()) + 0.7152 * Linear(c.greenF()) + 0.0722 * Linear(c.blueF());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsDarkPalette(const QPalette& palette) {
    const QColor ground = palette.color(QPalette::Window);
    return ContrastRatio(ground, Qt::white) > ContrastRatio(ground, Qt::black);
}

QColor ReadableInk(const QColor& preferred, const QColor& ground) {
    if (ContrastRatio(preferred, ground) >= kTextContrast) {
        return preferred;
    }
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    return ContrastRatio(white, ground) > ContrastRatio(black, ground) ? white : black;
}

}  // namespace fretwise
