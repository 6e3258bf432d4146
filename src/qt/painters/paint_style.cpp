#include "qt/painters/paint_style.hpp"

#include <QPalette>

#include "qt/painters/contrast.hpp"

namespace fretwise {
namespace {

const QColor kInk(30, 30, 30);
const QColor kMarker(35, 35, 35);
const QColor kButtonInk(40, 40, 40);
const QColor kButtonInkDisabled(160, 160, 160);
const QColor kDarkButtonInkDisabled(110, 110, 110);
const QColor kDarkFingerText(150, 190, 255);
const QColor kLightInk(230, 230, 230);  // on dark palettes

FretboardStyle OnGround(const QColor& background) {
    FretboardStyle style;
    style.background = background;
    style.ink = kInk;
    style.marker = kMarker;
    style.markerText = Qt::white;
    return style;
}

}  // namespace

FretboardStyle FretboardStyle::Screen(const QPalette& palette) {
    const QColor ground = palette.color(QPalette::Window);
    FretboardStyle style = OnGround(ground);
    if (IsDarkPalette(palette)) {
        style.ink = ReadableInk(kLightInk, ground);
        style.marker = style.ink;
        style.markerText = ground;
    } else {
        style.ink = ReadableInk(kInk, ground);
    }
    return style;
}

FretboardStyle FretboardStyle::ChordDiagram() {
    return OnGround(Qt::white);
}

FretboardStyle FretboardStyle::SmallChordDiagram() {
    FretboardStyle style = OnGround(Qt::white);
    style.stringWidth = 3;
    style.fretWidthFactor = 4;
    style.barWidthFactor = 2;
    style.stringLabels = false;
    style.fretLabel = false;
    style.shortName = true;
    return style;
}

StaffStyle StaffStyle::Screen(const QPalette& palette) {
    StaffStyle style;
    if (IsDarkPalette(palette)) {
        style.background = palette.color(QPalette::Base);
        style.ink = ReadableInk(kLightInk, style.background);
        style.fingerText = ReadableInk(kDarkFingerText, style.background);
    }
    return style;
}

QColor ButtonInk(const QPalette& palette, bool enabled) {
    const QColor ground = palette.color(QPalette::Button);
    if (!IsDarkPalette(palette)) {
        return enabled ? ReadableInk(kButtonInk, ground) : kButtonInkDisabled;
    }
    return enabled ? ReadableInk(kLightInk, ground) : kDarkButtonInkDisabled;
}

}  // namespace fretwise
