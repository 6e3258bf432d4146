#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>

#include "ui/staff_widget.hpp"
#include "ui/window_fixture.hpp"

namespace fretwise::test {
namespace {

QString Caption(QLabel* label) {
    return label->text();
}

TEST_F(WindowTest, ClickedShapesAreNamedInTheCaptionAndThePanel) {
    struct Case {
        std::string shape;
        QString name;
        QString abbrev;
    };
    const Case cases[] = {
        {"x32010", "C major", "Abbreviation: C"},
        {"022100", "E major", "Abbreviation: E"},
        {"x02210", "A minor", "Abbreviation: Am"},
    };
    for (const Case& c : cases) {
        Finger(c.shape);
        EXPECT_EQ(window->ChordFrame()->title(), c.name) << c.shape;
        EXPECT_EQ(Caption(window->NameLabel()), "Name: " + c.name) << c.shape;
        EXPECT_EQ(Caption(window->AbbreviationLabel()), c.abbrev) << c.shape;
        EXPECT_EQ(Caption(window->InversionLabel()), "Inversion: Root Position") << c.shape;
        EXPECT_TRUE(window->NameLabel()->isEnabled());
    }
}

TEST_F(WindowTest, RightClickMutesAndOpensAString) {
    Click(5, 3, Qt::RightButton);
    EXPECT_EQ(controller.CurrentShape().Fret[5], -1);
    EXPECT_TRUE(window->Fretboard()->Board().strings[5].dashed);
    EXPECT_EQ(window->Fretboard()->Board().stringLabels[5], "x");
    Click(5, 3, Qt::RightButton);
    EXPECT_EQ(controller.CurrentShape().Fret[5], 0);
    EXPECT_FALSE(window->Fretboard()->Board().strings[5].dashed);
    EXPECT_TRUE(player.played.empty());
}

TEST_F(WindowTest, SecondClickOnAHeldPositionPlaysThatString) {
    Click(3, 2);
    EXPECT_EQ(controller.CurrentShape().Fret[3], 2);
    EXPECT_TRUE(player.played.empty());
    Click(3, 2);
    ASSERT_EQ(player.played.size(), 1u);
    EXPECT_TRUE(window->Fretboard()->isEnabled());
}

TEST_F(WindowTest, ClickOnTheStringNameSelectsTheOpenString) {
    Click(1, 3);
    Click(1, 0);
    EXPECT_EQ(controller.CurrentShape().Fret[1], 0);
}

TEST_F(WindowTest, CreateFillsTheCandidateScrollBar) {
    window->RootList()->setCurrentIndex(window->RootList()->findText("A"));
    window->TypeList()->setCurrentIndex(window->TypeList()->findText("Major"));
    QTest::mouseClick(window->CreateButton(), Qt::LeftButton);

    const int n = static_cast<int>(controller.Candidates().size());
    ASSERT_GT(n, 1);
    QScrollBar* bar = window->CandidateScroll();
    EXPECT_TRUE(bar->isEnabled());
    EXPECT_EQ(bar->minimum(), 1);
    EXPECT_EQ(bar->maximum(), n);
    EXPECT_EQ(bar->value(), 1);
    EXPECT_EQ(window->ChordFrame()->title(), "A major");

    for (int k = 2; k <= n; ++k) {
        bar->setValue(k);
        EXPECT_EQ(controller.CurrentShape().Fret,
                  ShapeNotesToFrets(controller.Candidates()[k - 1]).Fret)
            << "candidate " << k;
    }
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
        {m.allStrings, "Created chords always use all &strings", ""},
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
    EXPECT_EQ(menus, QStringList({"&File", "&Tools", "&Settings", "&Help"}));
}

TEST_F(WindowTest, AccidentalsItemSwitchesCaptionAndNames) {
    // A first start spells with flats, so the item offers sharps.
    EXPECT_EQ(window->Menus().accidentals->text(), "&Use Sharps (#)");
    window->Menus().accidentals->trigger();
    EXPECT_EQ(window->Menus().accidentals->text(), "&Use Flats (b)");
    EXPECT_EQ(window->RootList()->itemText(1), "A#");
    window->Menus().accidentals->trigger();
    EXPECT_EQ(window->RootList()->itemText(1), "Bb");
}

TEST_F(WindowTest, ToolTipsFollowTheMenuItem) {
    QWidget* controls[] = {window->Fretboard(),    window->AnalysisPanel(), window->CreatePanel(),
                           window->Staff(),        window->TypeList(),      window->RootList(),
                           window->CreateButton(), window->StrumButton(),   window->PlayButton()};
    EXPECT_FALSE(window->Menus().toolTips->isChecked());
    for (QWidget* control : controls) {
        EXPECT_TRUE(control->toolTip().isEmpty()) << control->objectName().toStdString();
    }
    window->Menus().toolTips->trigger();
    EXPECT_TRUE(window->Menus().toolTips->isChecked());
    for (QWidget* control : controls) {
        EXPECT_FALSE(control->toolTip().isEmpty()) << control->objectName().toStdString();
    }
    EXPECT_EQ(window->PlayButton()->toolTip(), "Play this chord (as a block chord)");
    EXPECT_EQ(window->StrumButton()->toolTip(), "Play this chord (strum)");
    EXPECT_EQ(window->Staff()->toolTip(), "The notation of this chord");
    window->Menus().toolTips->trigger();
    EXPECT_TRUE(window->PlayButton()->toolTip().isEmpty());
}

TEST_F(WindowTest, ControlsSitAtTheirPlaces) {
    struct Place {
        QWidget* control;
        QRect geometry;
    };
    const Place places[] = {
        {window->ChordFrame(), {8, 8, 625, 513}},       {window->Fretboard(), {16, 32, 313, 465}},
        {window->AnalysisPanel(), {344, 24, 265, 153}}, {window->Staff(), {344, 200, 265, 157}},
        {window->CreatePanel(), {344, 372, 265, 125}},  {window->NameScroll(), {200, 16, 57, 21}},
        {window->PlayButton(), {172, 104, 37, 33}},     {window->StrumButton(), {216, 104, 37, 33}},
        {window->NeckScroll(), {277, 56, 17, 393}},     {window->CreateButton(), {8, 52, 249, 29}},
        {window->CandidateScroll(), {8, 88, 249, 25}},
    };
    for (const Place& p : places) {
        EXPECT_EQ(p.control->geometry(), p.geometry) << p.control->objectName().toStdString();
    }
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
    window->NeckScroll()->setValue(3);
    EXPECT_FALSE(window->Fretboard()->Board().markers[0].visible);
    EXPECT_EQ(window->Fretboard()->Board().fretLabel.caption, "5");
    window->NeckScroll()->setValue(7);
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
