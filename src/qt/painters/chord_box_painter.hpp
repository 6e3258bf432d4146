#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

#include "core/music/fingering.hpp"

class QPainter;

namespace fretwise {

// How a chord box is painted: the colours, the hand, and where the name goes.
struct ChordBoxStyle {
    QColor ink = Qt::black;
    QColor paper = Qt::white;            // the finger numbers on the dots
    QColor highlight = Qt::transparent;  // behind the whole box (the chord being played)
    bool leftHanded = false;             // the low E string on the right, as a left hand sees it
};

// Paints a chord diagram as chord charts draw it, filling box: the name on top, then the six
// strings (low E on the left) and five frets or more, x above a string not played and o above
// an open one, a dot with its finger number on each fretted string, the barre as one bar, and
// the number of the first fret shown beside it when the shape lies up the neck. Without a
// shape the grid stays empty with a question mark. Any unit works; 72 x 100 is a good size.
void PaintChordBox(QPainter& painter, const QRectF& box, const QString& name,
                   const Fingering* shape, const ChordBoxStyle& style);

}  // namespace fretwise
