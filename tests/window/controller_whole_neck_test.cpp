// Settings > "Search the whole neck": Create searches frets 1 to 15 whatever the view, the
// neck scrolls to each candidate chosen, and the settings file keeps the option.
#include "window/controller_fixture.hpp"

namespace fretwise::test {
namespace {

constexpr int kRootC = 3, kMajor = 0, kMinorSeventh = 3;

class WholeNeckTest : public StartedControllerTest {
  protected:
    void SearchWholeNeck(bool whole) {
        if (Shown().menu.wholeNeckChecked != whole) {
            Do(ToggleWholeNeck);
        }
    }

    // The lowest and highest fretted fret of the chord on the fretboard; 0, 0 for none.
    std::pair<int, int> FrettedSpan() const {
        int lowest = 0;
        int highest = 0;
        for (const std::int16_t fret : Frets()) {
            if (fret >= 1) {
                lowest = lowest == 0 ? fret : std::min<int>(lowest, fret);
                highest = std::max<int>(highest, fret);
            }
        }
        return {lowest, highest};
    }
};

TEST_F(WholeNeckTest, CreateSearchesTheWholeNeckWhateverTheView) {
    const std::tuple<CreateOrder, int, int> cases[] = {
        // order, root, type
        {CreateOrder::Guitarist, kRootC, kMajor},
        {CreateOrder::Classic, kRootC, kMajor},
        {CreateOrder::Guitarist, 0, kMinorSeventh},
    };
    for (const auto& [order, root, type] : cases) {
        Do(ChooseChordOrder, order);
        SearchRequest request{root, type, 0, kMaxFrets, false, order};
        request.wholeNeck = true;
        const std::vector<Fingering> wholeNeck = FindFingerings(request).candidates;
        for (const int view : {0, 6, 12}) {
            Do(ScrollNeck, view);
            SearchWholeNeck(false);
            Create(root, type);
            request.wholeNeck = false;
            request.position = view;
            EXPECT_EQ(window->state.candidates, FindFingerings(request).candidates) << view;
            SearchWholeNeck(true);
            Do(ScrollNeck, view);
            Create(root, type);
            EXPECT_EQ(window->state.candidates, wholeNeck) << view;
        }
    }
}

TEST_F(WholeNeckTest, ChoosingACandidateScrollsTheNeckToIt) {
    Do(ChooseChordOrder, CreateOrder::Guitarist);
    SearchWholeNeck(true);
    for (const int view : {0, 4, 12}) {
        Do(ScrollNeck, view);
        Create(kRootC, kMajor);
        const int count = static_cast<int>(window->state.candidates.size());
        ASSERT_GT(count, 10);
        int scrolled = 0;
        for (int number = 1; number <= count; ++number) {
            Do(ChooseCandidate, number);
            EXPECT_EQ(Frets(), ShapeNotesToFrets(window->state.candidates[number - 1]).Fret);
            const auto [lowest, highest] = FrettedSpan();
            const int first = Shown().neckScroll.value + 1;
            // In view, and the view the chord was created at wherever the shape lies in it.
            EXPECT_GE(lowest, first) << view << " candidate " << number;
            EXPECT_LT(highest, first + kFretsInView) << view << " candidate " << number;
            const bool fitsTheView =
                highest == 0 || (lowest > view && highest <= view + kFretsInView);
            EXPECT_EQ(first - 1 == view, fitsTheView) << view << " candidate " << number;
            scrolled += first - 1 != view ? 1 : 0;
        }
        EXPECT_GT(scrolled, 0) << view;
    }
}

TEST_F(WholeNeckTest, TheSettingsFileKeepsItAfterTheOtherLines) {
    Do(ToggleRestTreble);
    SearchWholeNeck(true);
    Do(Close);
    const std::string written = files.files[SettingsPath()];
    const std::size_t keyed = written.find("RestTreble");
    ASSERT_NE(keyed, std::string::npos);
    EXPECT_EQ(written.substr(keyed), "RestTreble=true\r\nWholeNeck=true\r\n");
    const std::string without = written.substr(0, keyed);
    const std::tuple<std::string, bool> cases[] = {
        {written, true},
        {without, false},
        {without + "WholeNeck=yes\r\n", false},
        {without + "WholeNeck=true\r\n", true},
    };
    for (const auto& [text, whole] : cases) {
        ControllerTest::SetUp();
        files.files[SettingsPath()] = text;
        Startup(*window, "");
        EXPECT_EQ(Shown().menu.wholeNeckChecked, whole) << text;
        Do(Close);
        EXPECT_EQ(files.files[SettingsPath()].find("WholeNeck") != std::string::npos, whole);
    }
}

}  // namespace
}  // namespace fretwise::test
