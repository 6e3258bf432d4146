#include "qt/tuner/form_tuner.hpp"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <array>
#include <tuple>

#include "core/music/tuning.hpp"

#include "qt/tuner/cents_meter.hpp"
#include "qt/tuner/headstock_view.hpp"
#include "support/fake_audio.hpp"
#include "support/tones.hpp"
#include "support/tuner_sandbox.hpp"

namespace fretwise::test {
namespace {

namespace fs = std::filesystem;
using Log = std::vector<std::string>;

QStringList Items(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) {
        items << combo->itemText(i);
    }
    return items;
}

class FormTunerTest : public ::testing::Test, public TunerSandbox {
  protected:
    FakeAudioInput input;
    std::unique_ptr<FormTuner> form;

    void SetUp() override { form = std::make_unique<FormTuner>(engine, dir, input); }
    void TearDown() override { form.reset(); }

    template <typename T>
    T* Find(const QString& name) const {
        T* widget = form->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    bool On(int toggle) const {
        return Find<QPushButton>(QStringLiteral("loop%1").arg(toggle))->property("loopOn").toBool();
    }
};

TEST_F(FormTunerTest, ShowsItsListsWithTheLoadSelections) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Guitar Tuner"));
    const auto* notes = Find<QComboBox>(QStringLiteral("noteList"));
    EXPECT_EQ(Items(notes),
              QStringList({"C", "B", "Bb", "A", "Ab", "G", "Gb", "F", "E", "Eb", "D", "Db"}));
    EXPECT_EQ(notes->currentText(), QStringLiteral("A"));
    const auto* octave = Find<QComboBox>(QStringLiteral("octaveList"));
    EXPECT_EQ(Items(octave), QStringList({"+2", "+1", "0", "-1", "-2"}));
    EXPECT_EQ(octave->currentText(), QStringLiteral("0"));
    const auto* band = Find<QComboBox>(QStringLiteral("bandList"));
    EXPECT_EQ(Items(band), QStringList({"Concert A", "Concert Bb", "Concert C"}));
    EXPECT_EQ(band->currentText(), QStringLiteral("Concert A"));
    for (int i = 0; i < 7; ++i) {
        Find<QPushButton>(QStringLiteral("playOnce%1").arg(i));
        EXPECT_FALSE(On(i)) << i;
    }
}

TEST_F(FormTunerTest, TogglesShowWhichLoopIsOn) {
    auto* a = Find<QPushButton>(QStringLiteral("loop4"));
    const qint64 playPicture = a->icon().cacheKey();
    a->click();
    EXPECT_EQ(player.calls, (Log{"stop", "loop a.wav"}));
    EXPECT_TRUE(On(4));
    EXPECT_NE(a->icon().cacheKey(), playPicture);
    EXPECT_TRUE(a->toolTip().startsWith(QStringLiteral("Stop")));

    Find<QPushButton>(QStringLiteral("loop6"))->click();
    EXPECT_FALSE(On(4));
    EXPECT_TRUE(On(6));
    EXPECT_EQ(a->icon().cacheKey(), playPicture);

    Find<QPushButton>(QStringLiteral("playOnce0"))->click();
    EXPECT_FALSE(On(6));
    EXPECT_TRUE(LastPlayedNoteIs(19));
}

TEST_F(FormTunerTest, PlaysTheNoteAndBandToneChosenInTheLists) {
    Find<QComboBox>(QStringLiteral("noteList"))->setCurrentIndex(2);    // Bb
    Find<QComboBox>(QStringLiteral("octaveList"))->setCurrentIndex(3);  // -1
    Find<QPushButton>(QStringLiteral("playOnce6"))->click();
    EXPECT_TRUE(LastPlayedNoteIs(1));

    Find<QComboBox>(QStringLiteral("bandList"))->setCurrentIndex(1);
    player.calls.clear();
    Find<QPushButton>(QStringLiteral("loop6"))->click();
    EXPECT_EQ(player.calls, (Log{"stop", "loop bb-c.wav"}));
}

// The headstock paints the notes of the tuning in force, spelled as the main window spells
// them, high E string first.
TEST_F(FormTunerTest, TheHeadstockNamesTheOpenStringsOfTheTuning) {
    auto* headstock = Find<HeadstockView>(QStringLiteral("headstock"));
    using Names = std::array<QString, 6>;
    EXPECT_EQ(headstock->Names(), (Names{"E", "B", "G", "D", "A", "E"}));
    const std::tuple<const char*, Accidentals, Names> cases[] = {
        {"drop-d", Accidentals::Sharps, {"E", "B", "G", "D", "A", "D"}},
        {"open-g", Accidentals::Sharps, {"D", "B", "G", "D", "G", "D"}},
        {"half-down", Accidentals::Flats, {"Eb", "Bb", "Gb", "Db", "Ab", "Eb"}},
        {"standard", Accidentals::Sharps, {"E", "B", "G", "D", "A", "E"}},
    };
    for (const auto& [id, mode, names] : cases) {
        form->UseTuning(*ReadTuning(id).tuning, mode);
        EXPECT_EQ(headstock->Names(), names) << id;
    }
    // The painter draws them: in Drop D only the low peg's letter changes.
    const auto letter = [headstock](int string) {
        const QPointF centre = HeadstockView::NameCentre(string);
        return headstock->grab(QRect(int(centre.x()) - 12, int(centre.y()) - 12, 24, 24)).toImage();
    };
    const QImage lowE = letter(5), highE = letter(0);
    form->UseTuning(*ReadTuning("drop-d").tuning, Accidentals::Sharps);
    EXPECT_NE(letter(5), lowE);
    EXPECT_EQ(letter(0), highE);
    EXPECT_EQ(letter(3), letter(5));  // D and D
    Find<QPushButton>(QStringLiteral("playOnce5"))->click();
    EXPECT_TRUE(LastPlayedNoteIs(-7));
}

TEST_F(FormTunerTest, FollowsTheZoom) {
    auto* headstock = Find<HeadstockView>(QStringLiteral("headstock"));
    auto* once = Find<QPushButton>(QStringLiteral("playOnce0"));
    const QPoint at100 = once->pos();
    const int fontAt100 = QFontInfo(form->font()).pixelSize();
    form->UseZoom(150);
    EXPECT_EQ(headstock->size(), QSize(750, 474));
    EXPECT_EQ(once->size(), QSize(57, 45));
    EXPECT_NEAR(once->x(), at100.x() * 1.5, 1);
    EXPECT_NEAR(once->y(), at100.y() * 1.5, 1);
    EXPECT_NEAR(QFontInfo(form->font()).pixelSize(), fontAt100 * 1.5, 1);
    form->UseZoom(100);
    EXPECT_EQ(once->pos(), at100);
    EXPECT_EQ(headstock->size(), QSize(HeadstockView::kWidth, HeadstockView::kHeight));
}

// The eighth note is drawn in the palette's button ink: light ink on a dark palette.
TEST_F(FormTunerTest, TheNoteButtonsShowOnADarkPalette) {
    for (const QColor ink : {QColor(Qt::white), QColor(Qt::black)}) {
        QPalette palette = form->palette();
        palette.setColor(QPalette::ButtonText, ink);
        palette.setColor(QPalette::Button, ink == Qt::white ? Qt::black : Qt::white);
        form->setPalette(palette);
        for (const char* button : {"playOnce0", "playOnce6"}) {
            const QImage picture =
                Find<QPushButton>(QString::fromLatin1(button))->icon().pixmap(20, 20).toImage();
            int inked = 0;
            for (int y = 0; y < picture.height(); ++y) {
                for (int x = 0; x < picture.width(); ++x) {
                    const QColor pixel = picture.pixelColor(x, y);
                    inked += pixel.alpha() == 255 && pixel.rgb() == ink.rgb();
                }
            }
            EXPECT_GT(inked, 10) << button << " " << ink.name().toStdString();
        }
    }
}

TEST_F(FormTunerTest, SpaceAndEnterPressTheFocusedButtonAndEscapeCloses) {
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    auto* lowE = Find<QPushButton>(QStringLiteral("playOnce5"));
    lowE->setFocus();
    QTest::keyClick(lowE, Qt::Key_Space);
    EXPECT_TRUE(LastPlayedNoteIs(-5));

    auto* g = Find<QPushButton>(QStringLiteral("loop2"));
    g->setFocus();
    player.calls.clear();
    QTest::keyClick(g, Qt::Key_Return);
    EXPECT_EQ(player.calls, (Log{"stop", "loop g.wav"}));

    QTest::keyClick(g, Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(On(2));  // closing leaves a looping tone alone
}

TEST_F(FormTunerTest, ListeningShowsTheNoteItsStringAndTheNeedle) {
    EXPECT_EQ(Items(Find<QComboBox>(QStringLiteral("modeList"))),
              QStringList({"Strings", "Chromatic"}));
    form->show();
    Find<QPushButton>(QStringLiteral("listen"))->click();
    input.Play(PluckedString(NoteHz(40, 1.0), 48000, 0.4));
    EXPECT_EQ(Find<QLabel>(QStringLiteral("note"))->text(), QStringLiteral("E2"));
    EXPECT_EQ(Find<HeadstockView>(QStringLiteral("headstock"))->Highlighted(), 5);
    EXPECT_TRUE(Find<CentsMeter>(QStringLiteral("centsMeter"))->InTune());
    EXPECT_TRUE(Find<QLabel>(QStringLiteral("microphoneLine"))->text().isEmpty());

    form->reject();  // closing the window stops listening
    EXPECT_FALSE(input.Running());
    EXPECT_FALSE(Find<QPushButton>(QStringLiteral("listen"))->isChecked());
    EXPECT_EQ(Find<HeadstockView>(QStringLiteral("headstock"))->Highlighted(), std::nullopt);
}

TEST_F(FormTunerTest, WithoutAMicrophoneOnlyTheLineChanges) {
    input.rate.reset();
    form->show();
    auto* listen = Find<QPushButton>(QStringLiteral("listen"));
    listen->click();
    EXPECT_FALSE(listen->isChecked());
    EXPECT_EQ(Find<QLabel>(QStringLiteral("microphoneLine"))->text(),
              QStringLiteral("No microphone found"));
    Find<QPushButton>(QStringLiteral("loop4"))->click();
    EXPECT_EQ(player.calls, (Log{"stop", "loop a.wav"}));
}

TEST_F(FormTunerTest, TheModeAndReferenceAComeFromAndGoToTheSettings) {
    std::vector<ListenChoices> kept;
    form->UseListenChoices({445, TunerMode::Chromatic},
                           [&kept](const ListenChoices& choices) { kept.push_back(choices); });
    auto* mode = Find<QComboBox>(QStringLiteral("modeList"));
    auto* referenceA = Find<QSpinBox>(QStringLiteral("referenceA"));
    EXPECT_EQ(mode->currentText(), QStringLiteral("Chromatic"));
    EXPECT_EQ(referenceA->value(), 445);
    EXPECT_TRUE(kept.empty());
    mode->setCurrentIndex(0);
    referenceA->setValue(432);
    EXPECT_EQ(kept.back(), (ListenChoices{432, TunerMode::Strings}));
}

}  // namespace
}  // namespace fretwise::test
