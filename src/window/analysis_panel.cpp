#include "window/analysis_panel.hpp"

#include <string>

#include "core/music/chord_symbol.hpp"

namespace fretwise {

void ClearChordName(DisplayState& display) {
    AnalysisPanelView& panel = display.panel;
    panel.thirds = {"Thirds:", false};
    panel.fifths = {"Fifths:", false};
    panel.inversion = {"Inversion: ", false};
    panel.abbrev = {"Abbreviation: ", false};
    panel.name = {"Name: ", false};
    panel.symbol.clear();
    panel.shapeName.clear();
    display.chordCaption.clear();
    display.fretboard.shortName.clear();
}

std::string FullChordName(const ChordName& name) {
    return name.Root.empty() || name.Thirds != 0 ? name.Root + " " + name.Name
                                                 : name.Root + " - " + name.Name;
}

void ShowShapeName(DisplayState& display, const ChordName& name) {
    display.panel.shapeName = "Shape: " + FullChordName(name);
}

void ShowChordName(DisplayState& display, const ChordName& name) {
    ClearChordName(display);
    AnalysisPanelView& panel = display.panel;
    panel.inversion = {"Inversion: " + name.Inversion, true};
    panel.symbol = ChordSymbolText(name.Root, name.Type, name.Bass).value_or("");
    if (name.Root.empty() || name.Thirds != 0) {
        panel.thirds = {"Thirds: " + std::to_string(name.Thirds), true};
        panel.fifths = {"Fifths: " + std::to_string(name.Fifths), true};
        panel.abbrev = {"Abbreviation: " + name.Root + name.Abbrev, true};
        panel.name = {"Name: " + name.Root + " " + name.Name, true};
        display.chordCaption = FullChordName(name);
        display.fretboard.shortName = name.Root + " " + name.Abbrev;
    } else {
        panel.name = {"Name: " + name.Root + " - " + name.Name, true};
        display.chordCaption = FullChordName(name);
    }
}

}  // namespace fretwise
