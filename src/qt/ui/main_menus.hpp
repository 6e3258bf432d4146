#pragma once

#include <QAction>
#include <array>
#include <vector>

#include "window/zoom_steps.hpp"

class QMainWindow;
class QMenu;

namespace fretwise {

// The menu commands of the main window, one action per item.
struct MainMenus {
    QAction* open = nullptr;
    QAction* save = nullptr;
    QAction* openSong = nullptr;
    QMenu* recentSongs = nullptr;  // its items follow the songs opened lately
    QAction* saveSongAs = nullptr;
    QAction* printSong = nullptr;
    QAction* saveSongSheet = nullptr;
    QAction* saveWavBlock = nullptr;       // "as block chord"
    QAction* saveWavStrummed = nullptr;    // "as 'strummed' chord"
    std::array<QAction*, 3> saveBitmap{};  // chord diagram, small chord diagram, note diagram
    std::array<QAction*, 3> copy{};        // chord diagram, small chord diagram, note diagram
    QAction* printChord = nullptr;
    QAction* printNotes = nullptr;
    QAction* exit = nullptr;
    QAction* tuner = nullptr;
    QAction* metronome = nullptr;
    QAction* undo = nullptr;
    QAction* redo = nullptr;
    QAction* findChord = nullptr;
    QAction* clear = nullptr;
    QAction* accidentals = nullptr;
    QAction* allStrings = nullptr;
    // "Order of created chords": "Easiest first" or "As guitarists play them".
    QAction* easiestFirst = nullptr;
    QAction* asGuitaristsPlay = nullptr;
    QAction* restTreble = nullptr;
    QAction* wholeNeck = nullptr;
    // "Chord names": "Classic catalogue" or "Full vocabulary (extended, altered, omitted notes)".
    QAction* classicVocabulary = nullptr;
    QAction* fullVocabulary = nullptr;
    QAction* numberOfFrets = nullptr;
    QAction* leftHanded = nullptr;
    std::array<QAction*, kZoomSteps.size()> zoom{};  // one per step, checked alone
    std::vector<QAction*> tunings;  // Settings > Tuning: the named tunings, in TuningPresets order
    QAction* customTuning = nullptr;
    QAction* capo = nullptr;
    QAction* toolTips = nullptr;
    QAction* onlineHelp = nullptr;
    QAction* about = nullptr;
};

// Fills the window's menu bar with the File, Tools, Chord, Settings and Help menus.
MainMenus BuildMainMenus(QMainWindow& window);

}  // namespace fretwise
