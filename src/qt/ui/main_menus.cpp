#include "qt/ui/main_menus.hpp"

#include <QActionGroup>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "core/music/tuning.hpp"
#include "window/display_state.hpp"

namespace fretwise {
namespace {

QAction* AddItem(QMenu& menu, const QString& caption, const QKeySequence& shortcut = {}) {
    QAction* action = menu.addAction(caption);
    action->setShortcut(shortcut);
    // The shortcuts work wherever the focus is in the window, also with the menus closed.
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

QAction* AddCheckItem(QMenu& menu, const QString& caption) {
    QAction* action = AddItem(menu, caption);
    action->setCheckable(true);
    return action;
}

}  // namespace

MainMenus BuildMainMenus(QMainWindow& window) {
    MainMenus m;
    QMenuBar& bar = *window.menuBar();

    QMenu& file = *bar.addMenu(QStringLiteral("&File"));
    m.open = AddItem(file, QStringLiteral("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    m.save = AddItem(file, QStringLiteral("&Save..."), QKeySequence(Qt::CTRL | Qt::Key_S));
    QMenu& wav = *file.addMenu(QStringLiteral("Save as &WAV file..."));
    m.saveWavBlock = AddItem(wav, QStringLiteral("as block chord"));
    m.saveWavStrummed = AddItem(wav, QStringLiteral("as 'strummed' chord"));
    QMenu& bitmap = *file.addMenu(QStringLiteral("Save as &Bitmap"));
    m.saveBitmap = {AddItem(bitmap, QStringLiteral("Chord &Diagram...")),
                    AddItem(bitmap, QStringLiteral("&Small Chord Diagram...")),
                    AddItem(bitmap, QStringLiteral("&Note Diagram..."))};
    QMenu& copy = *file.addMenu(QStringLiteral("&Copy"));
    m.copy = {
        AddItem(copy, QStringLiteral("Chord &Diagram"), QKeySequence(Qt::CTRL | Qt::Key_C)),
        AddItem(copy, QStringLiteral("&Small Chord Diagram"), QKeySequence(Qt::CTRL | Qt::Key_K)),
        AddItem(copy, QStringLiteral("&Note Diagram"), QKeySequence(Qt::CTRL | Qt::Key_N))};
    QMenu& print = *file.addMenu(QStringLiteral("&Print"));
    m.printChord =
        AddItem(print, QStringLiteral("&Chord Diagram..."), QKeySequence(Qt::CTRL | Qt::Key_P));
    m.printNotes = AddItem(print, QStringLiteral("&Note Diagram..."));
    file.addSeparator();
    m.openSong = AddItem(file, QStringLiteral("Open So&ng..."));
    m.recentSongs = file.addMenu(QStringLiteral("&Recent Songs"));
    m.recentSongs->setEnabled(false);
    m.saveSongAs = AddItem(file, QStringLiteral("Save Song &As..."));
    m.printSong = AddItem(file, QStringLiteral("Print Son&g..."));
    m.saveSongSheet = AddItem(file, QStringLiteral("Save Song S&heet..."));
    file.addSeparator();
    m.exit = AddItem(file, QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X));

    QMenu& tools = *bar.addMenu(QStringLiteral("&Tools"));
    m.tuner = AddItem(tools, QStringLiteral("Guitar &Tuner"), QKeySequence(Qt::CTRL | Qt::Key_T));
    m.metronome = AddItem(tools, QStringLiteral("&Metronome"), QKeySequence(Qt::CTRL | Qt::Key_M));

    QMenu& chord = *bar.addMenu(QStringLiteral("&Chord"));
    m.undo = AddItem(chord, QStringLiteral("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    m.redo =
        AddItem(chord, QStringLiteral("&Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    m.redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    chord.addSeparator();
    m.findChord =
        AddItem(chord, QStringLiteral("&Find chord..."), QKeySequence(Qt::CTRL | Qt::Key_F));
    m.clear = AddItem(chord, QStringLiteral("C&lear"));

    QMenu& settings = *bar.addMenu(QStringLiteral("&Settings"));
    m.accidentals = AddItem(settings, QString::fromUtf8(AccidentalsCaption(Accidentals::Sharps)));
    m.allStrings = AddCheckItem(settings, QStringLiteral("Created chords always use all &strings"));
    QMenu& order = *settings.addMenu(QStringLiteral("Order of created chords"));
    m.easiestFirst = AddCheckItem(order, QStringLiteral("Easiest first"));
    m.asGuitaristsPlay = AddCheckItem(order, QStringLiteral("As guitarists play them"));
    auto* orders = new QActionGroup(&order);
    orders->addAction(m.easiestFirst);
    orders->addAction(m.asGuitaristsPlay);
    m.restTreble = AddCheckItem(settings, QStringLiteral("Let the high strings rest"));
    m.wholeNeck = AddCheckItem(settings, QStringLiteral("Search the whole neck"));
    QMenu& names = *settings.addMenu(QStringLiteral("Chord names"));
    m.classicVocabulary = AddCheckItem(names, QStringLiteral("Classic catalogue"));
    m.fullVocabulary =
        AddCheckItem(names, QStringLiteral("Full vocabulary (extended, altered, omitted notes)"));
    auto* vocabularies = new QActionGroup(&names);
    vocabularies->addAction(m.classicVocabulary);
    vocabularies->addAction(m.fullVocabulary);
    m.numberOfFrets = AddItem(settings, QStringLiteral("Set number of &frets..."));
    m.leftHanded = AddCheckItem(settings, QStringLiteral("Left-handed fretboard"));
    QMenu& zoom = *settings.addMenu(QStringLiteral("Zoom"));
    auto* steps = new QActionGroup(&zoom);
    for (std::size_t i = 0; i < kZoomSteps.size(); ++i) {
        m.zoom[i] = AddCheckItem(zoom, QStringLiteral("%1 %").arg(kZoomSteps[i]));
        steps->addAction(m.zoom[i]);
    }
    QMenu& tuning = *settings.addMenu(QStringLiteral("T&uning"));
    for (const TuningPreset& preset : TuningPresets()) {
        m.tunings.push_back(AddCheckItem(
            tuning,
            QString::fromUtf8(preset.name.data(), static_cast<qsizetype>(preset.name.size()))));
    }
    tuning.addSeparator();
    m.customTuning = AddCheckItem(tuning, QStringLiteral("Custom tuning..."));
    m.capo = AddItem(tuning, QStringLiteral("Capo..."));

    QMenu& help = *bar.addMenu(QStringLiteral("&Help"));
    m.toolTips = AddCheckItem(help, QStringLiteral("&ToolTips"));
    m.onlineHelp = AddItem(help, QStringLiteral("&Online Help..."), QKeySequence(Qt::Key_F1));
    m.about = AddItem(help, QStringLiteral("&About..."));
    return m;
}

}  // namespace fretwise
