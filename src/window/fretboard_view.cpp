#include "window/fretboard_view.hpp"

#include <algorithm>
#include <string>

#include "window/geometry.hpp"

namespace fretwise {

namespace g = geometry;

namespace {

// The y of fret line k, or nothing when that line does not exist.
std::optional<int> FretLineY(const FretboardView& view, int k) {
    if (k < 0 || k >= static_cast<int>(view.fretLines.size())) {
        return std::nullopt;
    }
    return view.fretLines[k].y;
}

int LastFretLineY(const FretboardView& view) {
    return view.fretLines.back().y;
}

void EndStrings(FretboardView& view) {
    for (StringLineView& s : view.strings) {
        s.top = g::kNutY;
        s.bottom = LastFretLineY(view) + g::kStringOverhang;
    }
}

// A marker for a held fret sits 120 below the fret line above it. A fret beyond the last
// line drawn (possible from a chord file) has no place on the board and stays hidden.
void ShowMarkerBelow(MarkerView& marker, const FretboardView& view, int numFrets, int fret) {
    const std::optional<int> above = FretLineY(view, fret - 1);
    marker.visible = fret <= numFrets && above.has_value();
    if (marker.visible) {
        marker.top = *above + g::kMarkerBelowFretLine;
    }
}

}  // namespace

int StringLineX(const FretboardView& view, int string) {
    const int x = g::StringX(string);
    return view.leftHanded ? g::MirrorX(x) : x;
}

int NeckScrollMax(int numFrets) {
    return numFrets < g::kFretsInView + 1 ? 0 : numFrets - g::kFretsInView;
}

void LayoutFrets(FretboardView& view, int numFrets) {
    if (view.fretLines.size() < 2) {
        view.fretLines.assign(2, FretLineView{});
        view.fretLines[0] = {g::kNutY, true, g::kNutLineWidth};
        view.fretLines[1] = {g::kNutY + g::kFretSpacing, true, g::kFretLineWidth};
    }
    view.fretLines.resize(2);
    for (int k = 2; k <= numFrets; ++k) {
        view.fretLines.push_back({g::kNutY + g::kFretSpacing * k, true, g::kFretLineWidth});
    }
    for (StringLineView& s : view.strings) {
        s.bottom = LastFretLineY(view) + g::kStringOverhang;
    }
}

void DrawFretboard(FretboardView& view, int numFrets, int position, const Fingering& current) {
    if (view.fretLines.size() < 2) {
        LayoutFrets(view, numFrets);
    }
    const int p = g::kFretSpacing * position;
    for (int k = 1; k < static_cast<int>(view.fretLines.size()) && k <= numFrets; ++k) {
        FretLineView& line = view.fretLines[k];
        line.y = g::kNutY + g::kFretSpacing * k - p;
        line.visible = line.y > g::kNutY;
    }
    EndStrings(view);

    for (int i = 0; i < kStringCount; ++i) {
        MarkerView& marker = view.markers[i];
        const int fret = current.Fret[i];
        marker.top = 0;
        if (position < fret) {
            if (const std::optional<int> above = FretLineY(view, fret - 1)) {
                marker.top = *above + g::kMarkerBelowFretLine;
            }
        }
        marker.visible =
            marker.top > g::kNutY && marker.top < g::kVisibleBandBottom && fret <= numFrets;
    }

    if (current.HasBarre()) {
        view.bar.visible = true;
    }
    const int barreFret = current.BarreFret;
    const std::optional<int> barreAbove = FretLineY(view, barreFret - 1);
    if (position + 1 <= barreFret && barreFret <= position + g::kFretsInView &&
        barreAbove.has_value()) {
        view.bar.y = *barreAbove + g::kBarBelowFretLine;
    } else {
        view.bar.visible = false;
    }

    // Beside the fifth fret line while it is in view, else the position beside the nut.
    const bool fifthInView = view.fretLines.size() > 5 && view.fretLines[5].visible;
    view.fretLabel = fifthInView ? FretLabelView{"5", view.fretLines[5].y - 120}
                                 : FretLabelView{std::to_string(position) + "th fret",
                                                 view.fretLines[0].y - 120};
}

void PlaceMarkers(FretboardView& view, int numFrets, int position, const Fingering& shape) {
    for (int i = 0; i < kStringCount; ++i) {
        MarkerView& marker = view.markers[i];
        const int fret = shape.Fret[i];
        view.strings[i].dashed = fret == kMuted;
        if (fret == kMuted || fret == 0) {
            marker.visible = false;
        } else if (fret > position && fret < position + g::kFretsInView + 1) {
            ShowMarkerBelow(marker, view, numFrets, fret);
        } else {
            marker.visible = false;
        }
    }
}

void PlaceBar(FretboardView& view, const Fingering& shape) {
    const std::optional<int> line = FretLineY(view, shape.BarreFret);
    if (!shape.HasBarre() || !line.has_value()) {
        view.bar.visible = false;
        return;
    }
    view.bar.visible = true;
    view.bar.y = *line - g::kBarBelowFretLine;
    const int to = StringLineX(view, shape.BarreTo);
    const int from = StringLineX(view, shape.BarreFrom);
    view.bar.x1 = std::min(to, from);
    view.bar.x2 = std::max(to, from);
}

std::optional<FretboardHit> HitTest(const FretboardView& view, int shownX, int y) {
    const int x = view.leftHanded ? g::MirrorX(shownX) : shownX;
    if (view.fretLines.empty()) {
        return std::nullopt;
    }
    const int half = g::kStringHitHalfWidth;
    if (x >= g::StringX(0) + half || x <= g::StringX(kStringCount - 1) - half ||
        y >= g::kVisibleBandBottom || y >= LastFretLineY(view)) {
        return std::nullopt;
    }
    FretboardHit hit;
    for (int i = 0; i < kStringCount; ++i) {
        if (g::StringX(i) - half <= x && x < g::StringX(i) + half) {
            hit.string = i;
            break;
        }
    }
    for (int k = 0; k < static_cast<int>(view.fretLines.size()); ++k) {
        if (y < view.fretLines[k].y) {
            hit.fret = k;
            return hit;
        }
    }
    return std::nullopt;
}

}  // namespace fretwise
