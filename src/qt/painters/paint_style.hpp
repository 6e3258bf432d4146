#pragma once

#include <QColor>

class QPalette;

namespace fretwise {

// How the fretboard is painted: on screen, or restyled for the exported pictures.
struct FretboardStyle {
    QColor background;
    QColor ink;               // strings, frets, barre, labels
    QColor marker;            // the round finger markers
    QColor markerText;        // the finger numbers on them
    int stringWidth = 1;      // width in pixels of a string that is played
    int fretWidthFactor = 1;  // multiplies the nut's and the fret lines' widths
    int barWidthFactor = 1;   // multiplies the barre's width
    bool stringLabels = true;
    bool fretLabel = true;
    bool shortName = false;  // the large short name across the top

    // The window: the short name hidden, the neck on the window's own colour; light lines
    // and markers when the palette is dark.
    static FretboardStyle Screen(const QPalette& palette);
    // The chord diagram: as on screen, on white.
    static FretboardStyle ChordDiagram();
    // The small chord diagram, drawn big and shrunk to a third: heavy lines, the short name,
    // no string names and no fret label.
    static FretboardStyle SmallChordDiagram();
};

// How the staff is painted; the note diagram is always black on white.
struct StaffStyle {
    QColor background = Qt::white;
    QColor ink = Qt::black;
    QColor fingerText = QColor(0, 0, 160);

    // On screen: as above, or light on the palette's base colour when the palette is dark.
    static StaffStyle Screen(const QPalette& palette);
};

// The ink of the picture buttons: dark grey, or light when the palette is dark.
QColor ButtonInk(const QPalette& palette, bool enabled);

}  // namespace fretwise
