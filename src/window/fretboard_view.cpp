#include "window/fretboard_view.hpp"

#include <algorithm>
#include <string>

#include "window/geometry.hpp"

namespace fretwise {

namespace g = geometry;

namespace {

int FretLineY(int k, int position) {
    return k == 0 ? g::kNutY : g::kNutY + g::kFretSpacing * (k - position);
}

// A marker for a held fret sits 120 below the fret line above it.
int MarkerTop(int fret, int position) {
    return FretLineY(fret - 1, position) + g::kMarkerBelowFretLine;
}

void PlaceBar(FretboardView& view, int numFrets, int position, const Fingering& shape,
              bool wherever) {
    const int fret = shape.BarreFret;
    const bool inView = position + 1 <= fret && fret <= position + g::kFretsInView;
    if (!shape.HasBarre() || fret > numFrets || (!wherever && !inView)) {
        view.bar = BarView{};
        return;
    }
    const int to = StringLineX(view, shape.BarreTo);
    const int from = StringLineX(view, shape.BarreFrom);
    view.bar = {true, FretLineY(fret, position) - g::kBarBelowFretLine, std::min(to, from),
                std::max(to, from)};
}

}  // namespace

int StringLineX(const FretboardView& view, int string) {
    const int x = g::StringX(string);
    return view.leftHanded ? g::MirrorX(x) : x;
}

int NeckScrollMax(int numFrets) {
    return numFrets < g::kFretsInView + 1 ? 0 : numFrets - g::kFretsInView;
}

bool MarkerInView(int fret, int numFrets, int position) {
    return fret > position && fret <= position + g::kFretsInView && fret <= numFrets;
}

void DrawFretboard(FretboardView& view, int numFrets, int position, const Fingering& shape,
                   bool barreWherever) {
    const int lastLine = std::max(numFrets, 1);
    view.fretLines.assign(1, FretLineView{g::kNutY, true, g::kNutLineWidth});
    for (int k = 1; k <= lastLine; ++k) {
        const int y = FretLineY(k, position);
        view.fretLines.push_back({y, y > g::kNutY, g::kFretLineWidth});
    }
    for (StringLineView& s : view.strings) {
        s.bottom = view.fretLines.back().y + g::kStringOverhang;
    }
    for (int i = 0; i < kStringCount; ++i) {
        const int fret = shape.Fret[i];
        view.strings[i].dashed = fret == kMuted;
        MarkerView& marker = view.markers[i];
        marker.visible = MarkerInView(fret, numFrets, position);
        marker.top = marker.visible ? MarkerTop(fret, position) : 0;
        marker.fingerText = shape.Playable ? std::to_string(shape.Finger[i]) : "";
    }
    PlaceBar(view, numFrets, position, shape, barreWherever);

    // Beside the fifth fret line while it is in view, else the position beside the nut.
    const bool fifthInView = view.fretLines.size() > 5 && view.fretLines[5].visible;
    view.fretLabel = fifthInView ? FretLabelView{"5", view.fretLines[5].y - 120}
                                 : FretLabelView{std::to_string(position) + "th fret",
                                                 view.fretLines[0].y - 120};
}

std::optional<FretboardHit> HitTest(int numFrets, int position, bool leftHanded, int shownX,
                                    int y) {
    const int x = leftHanded ? g::MirrorX(shownX) : shownX;
    const int lastLine = std::max(numFrets, 1);
    const int half = g::kStringHitHalfWidth;
    if (x >= g::StringX(0) + half || x <= g::StringX(kStringCount - 1) - half ||
        y >= g::kVisibleBandBottom || y >= FretLineY(lastLine, position)) {
        return std::nullopt;
    }
    FretboardHit hit;
    for (int i = 0; i < kStringCount; ++i) {
        if (g::StringX(i) - half <= x && x < g::StringX(i) + half) {
            hit.string = i;
            break;
        }
    }
    for (int k = 0; k <= lastLine; ++k) {
        if (y < FretLineY(k, position)) {
            hit.fret = k;
            return hit;
        }
    }
    return std::nullopt;
}

}  // namespace fretwise
