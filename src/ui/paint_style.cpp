#include "ui/paint_style.hpp"

namespace fretwise {
namespace {

const QColor kInk(30, 30, 30);
const QColor kMarker(35, 35, 35);

}  // namespace

FretboardStyle FretboardStyle::Screen(const QColor& background) {
    FretboardStyle style;
    style.background = background;
    style.ink = kInk;
    style.marker = kMarker;
    style.markerText = Qt::white;
    return style;
}

FretboardStyle FretboardStyle::ChordDiagram() {
    return Screen(Qt::white);
}

FretboardStyle FretboardStyle::SmallChordDiagram() {
    FretboardStyle style = Screen(Qt::white);
    style.stringWidth = 3;
    style.fretWidthFactor = 4;
    style.barWidthFactor = 2;
    style.stringLabels = false;
    style.fretLabel = false;
    style.shortName = true;
    return style;
}

}  // namespace fretwise
