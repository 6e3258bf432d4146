#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <array>
#include <tuple>

#include "core/music/chord_types.hpp"
#include "qt/ui/staff_widget.hpp"
#include "qt/ui/window_fixture.hpp"

namespace fretwise::test {
namespace {

TEST_F(WindowTest, ClickedShapesAreNamedInTheCaptionAndThePanel) {
    Finger("x02210");
    EXPECT_EQ(Child<QGroupBox>("chordFrame")->title(), "A minor");
    EXPECT_EQ(Child<QLabel>("nameLabel")->text(), "Name: A minor");
    EXPECT_EQ(Child<QLabel>("abbreviationLabel")->text(), "Abbreviation: Am");
    EXPECT_EQ(Child<QLabel>("inversionLabel")->text(), "Inversion: Root Position");
    EXPECT_TRUE(Child<QLabel>("nameLabel")->isEnabled());
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
    Child<QComboBox>("rootList")->setCurrentIndex(Child<QComboBox>("rootList")->findText("A"));
    Child<QComboBox>("typeList")->setCurrentIndex(Child<QComboBox>("typeList")->findText("Major"));
    QTest::mouseClick(Child<QPushButton>("createButton"), Qt::LeftButton);

    const int n = static_cast<int>(logic.state.candidates.size());
    ASSERT_GT(n, 1);
    QScrollBar* bar = Child<QScrollBar>("candidateScroll");
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

TEST_F(WindowTest, UndoAndRedoShortcutsStepThroughTheChordAndGreyTheirItems) {
    const MainMenus& m = window->Menus();
    const auto fret = [this] { return logic.state.shape.Fret[4]; };
    EXPECT_FALSE(m.undo->isEnabled());
    Click(4, 3);
    Click(4, 3);  // plays the string held: the fretboard keeps the focus
    EXPECT_TRUE(window->Fretboard()->hasFocus());
    const std::tuple<Qt::KeyboardModifiers, Qt::Key, int, bool, bool> keys[] = {
        {Qt::ControlModifier, Qt::Key_Z, 0, false, true},
        {Qt::ControlModifier, Qt::Key_Y, 3, true, false},
        {Qt::ControlModifier, Qt::Key_Z, 0, false, true},
        {Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z, 3, true, false},
    };
    for (const auto& [modifiers, key, expected, undo, redo] : keys) {
        QTest::keyClick(window.get(), key, modifiers);
        EXPECT_EQ(fret(), expected) << key;
        EXPECT_EQ(m.undo->isEnabled(), undo) << key;
        EXPECT_EQ(m.redo->isEnabled(), redo) << key;
    }
    m.clear->trigger();
    EXPECT_EQ(fret(), 0);
}

TEST_F(WindowTest, OrderItemsTickOneOfTwoAndTheRestAndWholeNeckItemsSwitch) {
    const MainMenus& m = window->Menus();
    for (QAction* item : {m.asGuitaristsPlay, m.restTreble, m.easiestFirst, m.wholeNeck}) {
        item->trigger();
    }
    EXPECT_EQ((std::array{m.easiestFirst->isChecked(), m.asGuitaristsPlay->isChecked(),
                          m.restTreble->isChecked(), m.wholeNeck->isChecked()}),
              (std::array{true, false, true, true}));
    EXPECT_EQ(logic.state.chordOrder, CreateOrder::Classic);
    EXPECT_TRUE(logic.state.wholeNeck);
}

// Settings > Chord names: the type list follows, and a name too long for its label keeps the
// whole name in the tooltip and the accessible description.
TEST_F(WindowTest, ChordNamesItemsSwitchTheVocabularyAndLongNamesStayWhole) {
    const MainMenus& m = window->Menus();
    QComboBox* types = Child<QComboBox>("typeList");
    EXPECT_EQ(types->count(), kChordTypeCount);
    m.fullVocabulary->trigger();
    EXPECT_TRUE(m.fullVocabulary->isChecked());
    EXPECT_FALSE(m.classicVocabulary->isChecked());
    EXPECT_EQ(types->count(), kFullChordTypeCount);
    EXPECT_EQ(types->itemText(25), "Sixth Added Ninth");

    Finger("x32334");  // C E Bb D G#
    QLabel* name = Child<QLabel>("nameLabel");
    EXPECT_EQ(name->text(), "Name: C ninth sharp fifth");
    Finger("x3234x");
    const QString whole = "Name: C seventh sharp ninth (no fifth)";
    EXPECT_EQ(name->text(), whole);
    EXPECT_EQ(name->toolTip(), whole);
    EXPECT_EQ(name->accessibleDescription(), whole);
    EXPECT_GT(name->fontMetrics().horizontalAdvance(whole), name->contentsRect().width());

    m.classicVocabulary->trigger();
    EXPECT_EQ(logic.state.vocabulary, Vocabulary::Classic);
    EXPECT_EQ(types->count(), kChordTypeCount);
}

TEST_F(WindowTest, SettingsItemsSwitchTheirStates) {
    // A first start spells with flats, so the item offers sharps.
    EXPECT_EQ(window->Menus().accidentals->text(), "&Use Sharps (#)");
    window->Menus().accidentals->trigger();
    EXPECT_EQ(window->Menus().accidentals->text(), "&Use Flats (b)");
    EXPECT_EQ(Child<QComboBox>("rootList")->itemText(1), "A#");

    QWidget* controls[] = {window->Fretboard(),
                           Child<QGroupBox>("analysisPanel"),
                           Child<QGroupBox>("createPanel"),
                           Child<StaffWidget>("staff"),
                           Child<QComboBox>("typeList"),
                           Child<QComboBox>("rootList"),
                           Child<QPushButton>("createButton"),
                           Child<QPushButton>("strumButton"),
                           Child<QPushButton>("playButton"),
                           Child<QLabel>("symbolLabel")};
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
    EXPECT_EQ(Child<QComboBox>("rootList")->currentText(), "B");
    EXPECT_EQ(Child<QComboBox>("typeList")->currentText(), "Minor Seventh (Flattened Fifth)");
    ASSERT_FALSE(logic.state.candidates.empty());
    EXPECT_EQ(logic.state.shape.Fret, ShapeNotesToFrets(logic.state.candidates[0]).Fret);
    EXPECT_EQ(Child<QLabel>("symbolLabel")->text(), "Bm7b5/A");  // the easiest has A in the bass
    Finger("032010");
    EXPECT_EQ(Child<QLabel>("symbolLabel")->text(), "C/E");
}

TEST_F(WindowTest, TheLongestSymbolFitsBetweenTheCountsAndThePlayButton) {
    const QLabel* symbol = Child<QLabel>("symbolLabel");
    EXPECT_LE(symbol->fontMetrics().horizontalAdvance("F#maj7b5/A#"), symbol->width());
    for (const QLabel* count : {Child<QLabel>("thirdsLabel"), Child<QLabel>("fifthsLabel")}) {
        EXPECT_LE(count->fontMetrics().horizontalAdvance("Thirds: 6"), count->width());
        EXPECT_LT(count->geometry().right(), symbol->x());
    }
    EXPECT_LT(symbol->geometry().right(), Child<QPushButton>("playButton")->x());
}

TEST_F(WindowTest, ScrollBarsNeverTakeTheFocus) {
    for (QScrollBar* bar : {Child<QScrollBar>("neckScroll"), Child<QScrollBar>("nameScroll"),
                            Child<QScrollBar>("candidateScroll")}) {
        EXPECT_EQ(bar->focusPolicy(), Qt::NoFocus);
    }
}

TEST_F(WindowTest, NeckScrollBarMovesTheView) {
    Click(0, 3);
    EXPECT_TRUE(window->Fretboard()->Board().markers[0].visible);
    Child<QScrollBar>("neckScroll")->setValue(7);
    EXPECT_FALSE(window->Fretboard()->Board().markers[0].visible);
    EXPECT_EQ(window->Fretboard()->Board().fretLabel.caption, "7th fret");
}

TEST_F(WindowTest, PlayButtonsPlayAndComeBackEnabled) {
    QTest::mouseClick(Child<QPushButton>("playButton"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>("strumButton"), Qt::LeftButton);
    EXPECT_EQ(player.played.size(), 2u);
    EXPECT_TRUE(Child<QPushButton>("playButton")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>("strumButton")->isEnabled());
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
