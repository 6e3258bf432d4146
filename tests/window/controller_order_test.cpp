// The order of created chords and the resting treble strings: the next Create follows them,
// and the settings file keeps them.
#include "window/controller_fixture.hpp"

namespace fretwise::test {
namespace {

constexpr int kRootA = 0, kRootD = 5, kMajor = 0;

class ChordOrderTest : public ControllerTest {
  protected:
    void SetUp() override {
        ControllerTest::SetUp();
        Startup(*window, "");
    }

    void Choose(CreateOrder order, bool rest) {
        Do(ChooseChordOrder, order);
        if (Shown().menu.restTrebleChecked != rest) {
            Do(ToggleRestTreble);
        }
    }
};

TEST_F(ChordOrderTest, TheNextCreateFollowsTheMenu) {
    const PerString openD = {2, 3, 2, 0, -1, -1};  // x x 0 2 3 2
    const std::tuple<CreateOrder, bool, int, bool> cases[] = {
        // order, resting treble, root, whether x x 0 2 3 2 comes first
        {CreateOrder::Classic, false, kRootD, false},
        {CreateOrder::Guitarist, false, kRootD, true},
        {CreateOrder::Guitarist, true, kRootD, true},
        {CreateOrder::Classic, true, kRootA, false},
    };
    for (const auto& [order, rest, root, openDFirst] : cases) {
        Choose(order, rest);
        Do(SelectRoot, root);
        Do(SelectChordType, kMajor);
        Do(CreateChord);
        SearchRequest request{root, kMajor, 0, kMaxFrets, false, order, rest};
        EXPECT_EQ(window->state.candidates, FindFingerings(request).candidates);
        EXPECT_EQ(Frets() == openD, openDFirst);
    }
}

TEST_F(ChordOrderTest, TheSettingsFileKeepsBothAfterTheClassicLines) {
    Choose(CreateOrder::Guitarist, true);
    Do(Close);
    const std::string written = files.files[SettingsPath()];
    EXPECT_EQ(written.substr(written.find("\r\nChordOrder")),
              "\r\nChordOrder=guitarist\r\nRestTreble=true\r\n");
    Settings refused;  // a neck position the window cannot show
    refused.neckPosition = 30;
    const std::tuple<std::string, CreateOrder, bool> cases[] = {
        {written, CreateOrder::Guitarist, true},
        {SettingsText(refused) + "RestTreble=true\r\nChordOrder=guitar\r\n", CreateOrder::Classic,
         true},
        // Without all fourteen classic values the keyed lines are not read.
        {" 20 \r\nChordOrder=guitarist\r\n", CreateOrder::Classic, false},
    };
    for (const auto& [text, order, rest] : cases) {
        ControllerTest::SetUp();
        files.files[SettingsPath()] = text;
        Startup(*window, "");
        EXPECT_EQ(Shown().menu.chordOrder, order) << text;
        EXPECT_EQ(Shown().menu.restTrebleChecked, rest) << text;
    }
}

}  // namespace
}  // namespace fretwise::test
