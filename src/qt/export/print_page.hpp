#pragma once

#include <QRect>
#include <QString>
#include <functional>

class QPainter;

namespace fretwise {

// Where the window's frame and the diagram inside it lie on the printed page, in the
// window's logical pixels. The page shows the window arranged for printing: on white, the
// frame with the chord's name as its caption, and in it only the fretboard or only the staff.
struct PageLayout {
    QRect frame;    // the frame round it all, relative to the window's client area
    QRect diagram;  // the fretboard or the staff, relative to the window's client area
};

// The chord diagram: the frame cut off where the analysis panel begins, the fretboard in it.
PageLayout ChordDiagramPage();

// The note diagram: the frame shrunk around the staff, which sits flat and without border.
PageLayout NoteDiagramPage();

// Paints the page: the frame and its caption, then the diagram clipped to its box, with the
// painter's origin moved to the box's top left.
void PaintPage(QPainter& painter, const PageLayout& layout, const QString& caption,
               const std::function<void(QPainter&)>& paintDiagram);

}  // namespace fretwise
