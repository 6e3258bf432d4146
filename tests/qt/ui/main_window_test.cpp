#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <array>

#include "qt/ui/staff_widget.hpp"
#include "qt/ui/window_fixture.hpp"

namespace fretwise::test {
namespace {

TEST_F(WindowTest, ClickedShapesAreNamedInTheCaptionAndThePanel) {
    Finger("x02210");
    EXPECT_EQ(window->ChordFrame()->title(), "A minor");
    EXPECT_EQ(window->NameLabel()->text(), "Name: A minor");
    EXPECT_EQ(window->AbbreviationLabel()->text(), "Abbreviation: Am");
    EXPECT_EQ(window->InversionLabel()->text(), "Inversion: Root Position");
    EXPECT_TRUE(window->NameLabel()->isEnabled());
}

TEST_F(WindowTest, EachMouseButtonReachesTheFretboard) {
    Click(5, 3, Qt::RightButton);  // mutes
    EXPECT_EQ(logic.state.shape.Fret[5], -1);
    EXPECT_TRUE(window->Fretboard()->Board().strings[5].dashed);
    Click(3, 2);
    EXPECT_EQ(logic.state.shape.Fret[3], 2);
    EXPECT_TRUE(player.played.empty());
    Click(3, 2);  // plays the string held
    EXPECT_EQ(player.played.size(), 1u);
    EXPECT_TRUE(window->Fretboard()->isEnabled());
    Click(3, 0);  // the string's name: the open string
    EXPECT_EQ(logic.state.shape.Fret[3], 0);
}

TEST_F(WindowTest, CreateFillsTheCandidateScrollBar) {
    window->RootList()->setCurrentIndex(window->RootList()->findText("A"));
    window->TypeList()->setCurrentIndex(window->TypeList()->findText("Major"));
    QTest::mouseClick(window->CreateButton(), Qt::LeftButton);

    const int n = static_cast<int>(logic.state.candidates.size());
    ASSERT_GT(n, 1);
    QScrollBar* bar = window->CandidateScroll();
    EXPECT_TRUE(bar->isEnabled());
    EXPECT_EQ(bar->maximum(), n);

    bar->setValue(n);
    EXPECT_EQ(logic.state.shape.Fret, ShapeNotesToFrets(logic.state.candidates.back()).Fret);
}

TEST_F(WindowTest, ShortcutsTriggerTheirCommands) {
    QTest::keyClick(window.get(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(desktop.tunerShown, 1);
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(desktop.helpOpened, 1);
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(dialogs.log.size(), 2u);
    EXPECT_EQ(dialogs.log[0], "open Chord|*.fw");
    EXPECT_EQ(dialogs.log[1].rfind("save ", 0), 0u);
    QTest::keyClick(window.get(), Qt::Key_M, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(desktop.quit, 1);
}

TEST_F(WindowTest, MenuItemsHaveTheirCaptionsAndShortcuts) {
    const MainMenus& m = window->Menus();
    struct Item {
        QAction* action;
        QString caption;
        QString shortcut;
    };
    const Item items[] = {
        {m.open, "&Open...", "Ctrl+O"},
        {m.save, "&Save...", "Ctrl+S"},
        {m.saveWavBlock, "as block chord", ""},
        {m.saveWavStrummed, "as 'strummed' chord", ""},
        {m.saveBitmap[0], "Chord &Diagram...", ""},
        {m.saveBitmap[1], "&Small Chord Diagram...", ""},
        {m.saveBitmap[2], "&Note Diagram...", ""},
        {m.copy[0], "Chord &Diagram", "Ctrl+C"},
        {m.copy[1], "&Small Chord Diagram", "Ctrl+K"},
        {m.copy[2], "&Note Diagram", "Ctrl+N"},
        {m.printChord, "&Chord Diagram...", "Ctrl+P"},
        {m.printNotes, "&Note Diagram...", ""},
        {m.exit, "E&xit", "Ctrl+X"},
        {m.tuner, "Guitar &Tuner", "Ctrl+T"},
        {m.metronome, "&Metronome", "Ctrl+M"},
        {m.findChord, "&Find chord...", "Ctrl+F"},
        {m.allStrings, "Created chords always use all &strings", ""},
        {m.easiestFirst, "Easiest first", ""},
        {m.asGuitaristsPlay, "As guitarists play them", ""},
        {m.restTreble, "Let the high strings rest", ""},
        {m.numberOfFrets, "Set number of &frets...", ""},
        {m.toolTips, "&ToolTips", ""},
        {m.onlineHelp, "&Online Help...", "F1"},
        {m.about, "&About...", ""},
    };
    for (const Item& item : items) {
        EXPECT_EQ(item.action->text(), item.caption);
        EXPECT_EQ(item.action->shortcut().toString(), item.shortcut) << item.caption.toStdString();
    }
    EXPECT_FALSE(m.metronome->isEnabled());
    QStringList menus;
    for (QAction* menu : window->menuBar()->actions()) {
        menus << menu->text();
    }
    EXPECT_EQ(menus, QStringList({"&File", "&Tools", "&Chord", "&Settings", "&Help"}));
}

TEST_F(WindowTest, OrderItemsTickOneOfTwoAndTheRestItemSwitches) {
    const MainMenus& m = window->Menus();
    for (QAction* item : {m.asGuitaristsPlay, m.restTreble, m.easiestFirst}) {
        item->trigger();
    }
    EXPECT_EQ((std::array{m.easiestFirst->isChecked(), m.asGuitaristsPlay->isChecked(),
                          m.restTreble->isChecked()}),
              (std::array{true, false, true}));
    EXPECT_EQ(logic.state.chordOrder, CreateOrder::Classic);
}

TEST_F(WindowTest, SettingsItemsSwitchTheirStates) {
    // A first start spells with flats, so the item offers sharps.
    EXPECT_EQ(window->Menus().accidentals->text(), "&Use Sharps (#)");
    window->Menus().accidentals->trigger();
    EXPECT_EQ(window->Menus().accidentals->text(), "&Use Flats (b)");
    EXPECT_EQ(window->RootList()->itemText(1), "A#");

    QWidget* controls[] = {window->Fretboard(),    window->AnalysisPanel(), window->CreatePanel(),
                           window->Staff(),        window->TypeList(),      window->RootList(),
                           window->CreateButton(), window->StrumButton(),   window->PlayButton(),
                           window->SymbolLabel()};
    for (const bool on : {true, false}) {
        window->Menus().toolTips->trigger();
        EXPECT_EQ(window->Menus().toolTips->isChecked(), on);
        for (QWidget* control : controls) {
            EXPECT_EQ(control->toolTip().isEmpty(), !on) << control->objectName().toStdString();
        }
    }
}

TEST_F(WindowTest, CtrlFCreatesTheChordOfASymbolAndThePanelShowsTheSymbol) {
    dialogs.answers = {"Bm7b5"};
    QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(window->RootList()->currentText(), "B");
    EXPECT_EQ(window->TypeList()->currentText(), "Minor Seventh (Flattened Fifth)");
    ASSERT_FALSE(logic.state.candidates.empty());
    EXPECT_EQ(logic.state.shape.Fret, ShapeNotesToFrets(logic.state.candidates[0]).Fret);
    EXPECT_EQ(window->SymbolLabel()->text(), "Bm7b5/A");  // the easiest has A in the bass
    Finger("032010");
    EXPECT_EQ(window->SymbolLabel()->text(), "C/E");
}

TEST_F(WindowTest, TheLongestSymbolFitsBetweenTheCountsAndThePlayButton) {
    const QLabel* symbol = window->SymbolLabel();
    EXPECT_LE(symbol->fontMetrics().horizontalAdvance("F#maj7b5/A#"), symbol->width());
    for (const QLabel* count : {window->ThirdsLabel(), window->FifthsLabel()}) {
        EXPECT_LE(count->fontMetrics().horizontalAdvance("Thirds: 6"), count->width());
        EXPECT_LT(count->geometry().right(), symbol->x());
    }
    EXPECT_LT(symbol->geometry().right(), window->PlayButton()->x());
}

TEST_F(WindowTest, ScrollBarsNeverTakeTheFocus) {
    for (QScrollBar* bar :
         {window->NeckScroll(), window->NameScroll(), window->CandidateScroll()}) {
        EXPECT_EQ(bar->focusPolicy(), Qt::NoFocus);
    }
}

TEST_F(WindowTest, NeckScrollBarMovesTheView) {
    Click(0, 3);
    EXPECT_TRUE(window->Fretboard()->Board().markers[0].visible);
    window->NeckScroll()->setValue(7);
    EXPECT_FALSE(window->Fretboard()->Board().markers[0].visible);
    EXPECT_EQ(window->Fretboard()->Board().fretLabel.caption, "7th fret");
}

TEST_F(WindowTest, PlayButtonsPlayAndComeBackEnabled) {
    QTest::mouseClick(window->PlayButton(), Qt::LeftButton);
    QTest::mouseClick(window->StrumButton(), Qt::LeftButton);
    EXPECT_EQ(player.played.size(), 2u);
    EXPECT_TRUE(window->PlayButton()->isEnabled());
    EXPECT_TRUE(window->StrumButton()->isEnabled());
    EXPECT_TRUE(window->Fretboard()->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(WindowTest, ClosingWritesTheSettings) {
    Finger("022100");
    window->close();
    EXPECT_EQ(files.writes.size(), 1u);
    EXPECT_EQ(files.writes[0].filename(), "Settings.ini");
}

}  // namespace
}  // namespace fretwise::test
