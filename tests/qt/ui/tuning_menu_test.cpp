#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "qt/ui/tuning_dialog.hpp"
#include "qt/ui/window_fixture.hpp"

namespace fretwise::test {
namespace {

std::string Names(const FretboardView& board) {
    std::string names;
    for (int s = 5; s >= 0; --s) {
        names += board.stringLabels[static_cast<std::size_t>(s)] + " ";
    }
    return names;
}

TEST_F(WindowTest, TuningItemsRetuneTheStringsAndTheCaption) {
    const MainMenus& m = window->Menus();
    ASSERT_EQ(m.tunings.size(), 10u);
    EXPECT_EQ(m.tunings[1]->text(), "Drop D");
    Finger("000232");

    m.tunings[1]->trigger();
    EXPECT_TRUE(m.tunings[1]->isChecked());
    EXPECT_EQ(Names(window->Fretboard()->Board()), "D A D A D Gb ");
    EXPECT_EQ(Child<QGroupBox>("chordFrame")->title(), "D major");

    dialogs.answers = {"2"};
    m.tunings[0]->trigger();
    Finger("x02220");
    m.capo->trigger();
    EXPECT_EQ(Child<QGroupBox>("chordFrame")->title(), "B major");
    EXPECT_EQ(Child<QLabel>("shapeNameLabel")->text(), "Shape: A major");

    dialogs.answers = {"C#2,A2,D3,G3,B3,E4"};
    m.customTuning->trigger();
    EXPECT_TRUE(m.customTuning->isChecked());
    EXPECT_FALSE(m.tunings[0]->isChecked());
}

TEST_F(WindowTest, CustomTuningDialogOffersTheNotesInForce) {
    TuningDialog dialog(*ReadTuning("dadgad").tuning, nullptr);
    EXPECT_EQ(dialog.Field(5)->text(), "D2");
    EXPECT_EQ(dialog.Field(1)->text(), "A3");
    EXPECT_EQ(dialog.Field(0)->toolTip(), "From B3-G#4");
    dialog.Field(5)->setText(" C2 ");
    dialog.accept();
    ASSERT_TRUE(dialog.Chosen());
    EXPECT_EQ(TuningText(*dialog.Chosen(), Accidentals::Sharps), "C2,A2,D3,G3,A3,D4");
}

}  // namespace
}  // namespace fretwise::test
