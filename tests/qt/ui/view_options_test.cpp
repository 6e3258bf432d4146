#include <QAccessible>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <tuple>

#include "qt/painters/twips.hpp"
#include "qt/ui/staff_widget.hpp"
#include "qt/ui/window_fixture.hpp"

namespace fretwise::test {
namespace {

// Each zoom gives the window one fixed size and whole-pixel controls (t twips become
// t * percent / 1500 pixels), and a click still lands on the same string and fret.
TEST_F(WindowTest, ZoomScalesTheWindowAndKeepsClicksInPlace) {
    const QSize designed = window->centralWidget()->size();
    const double designedFont = QFontInfo(Child<QLabel>("nameLabel")->font()).pointSizeF();
    const std::tuple<int, QSize, QSize> cases[] = {
        {100, {313, 465}, {265, 157}},
        {125, {391, 581}, {331, 196}},
        {150, {469, 697}, {397, 235}},
        {200, {626, 930}, {530, 314}},
    };
    for (std::size_t i = 0; i < kZoomSteps.size(); ++i) {
        const auto& [percent, board, staff] = cases[i];
        window->Menus().zoom[i]->trigger();
        EXPECT_TRUE(window->Menus().zoom[i]->isChecked());
        QWidget& client = *window->centralWidget();
        EXPECT_EQ(client.minimumSize(), client.maximumSize());
        EXPECT_NEAR(client.width(), designed.width() * percent / 100, 2) << percent;
        EXPECT_EQ(window->Fretboard()->size(), board);
        EXPECT_EQ(Child<StaffWidget>("staff")->size(), staff);
        EXPECT_EQ(Child<QPushButton>("playButton")->geometry(),
                  ZoomedRect({2580, 1560, 555, 495}, percent));
        EXPECT_NEAR(QFontInfo(Child<QLabel>("nameLabel")->font()).pointSizeF(),
                    designedFont * percent / 100, 0.6)
            << percent;

        QTest::mouseClick(window->Fretboard(), Qt::LeftButton, Qt::NoModifier,
                          FretPoint(1, 2) * percent / 100);
        EXPECT_EQ(logic.state.shape.Fret[1], 2) << percent;
        Click(1, 0);
    }
    window->Menus().zoom[0]->trigger();
    EXPECT_EQ(window->centralWidget()->size(), designed);
}

TEST_F(WindowTest, TheFretboardTakesTheFocusAndTellsWhereTheCursorIs) {
    window->Fretboard()->setFocus();
    ASSERT_TRUE(window->Fretboard()->hasFocus());
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}) {
        QTest::keyClick(window->Fretboard(), key);
    }
    QTest::keyClick(window->Fretboard(), Qt::Key_Space);
    EXPECT_EQ(logic.state.shape.Fret[4], 3);
    EXPECT_EQ(window->Fretboard()->accessibleName(),
              "Fretboard, string 5 (A), fret 3, held by finger 1");
    QTest::keyClick(window->Fretboard(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(logic.state.shape.Fret[4], 4);
    window->Menus().leftHanded->trigger();
    EXPECT_TRUE(logic.state.leftHanded);
    EXPECT_EQ(Child<QPushButton>("playButton")->accessibleName(), "Play");
    EXPECT_FALSE(Child<StaffWidget>("staff")->accessibleDescription().isEmpty());
}

}  // namespace
}  // namespace fretwise::test
