// Settings > "Chord names": the full vocabulary names, lists, finds and creates its chords,
// and the settings file keeps the choice.
#include "core/music/chord_types.hpp"
#include "support/shapes.hpp"
#include "window/controller_fixture.hpp"

namespace fretwise::test {
namespace {

constexpr int kRootC = 3;

class VocabularyTest : public StartedControllerTest {
  protected:
    // The position of a type's display name in the type list shown.
    int ListPosition(std::string_view name) {
        const std::vector<std::string>& items = Shown().typeList.items;
        return static_cast<int>(std::find(items.begin(), items.end(), name) - items.begin());
    }
};

TEST_F(VocabularyTest, TheFullVocabularyNamesWhatTheClassicCannot) {
    ClickShape(test::Frets("x3234x"));
    EXPECT_EQ(Shown().panel.name.caption, "Name: ");
    Do(ChooseVocabulary, Vocabulary::Full);
    EXPECT_EQ(Shown().menu.vocabulary, Vocabulary::Full);
    EXPECT_EQ(Shown().panel.name.caption, "Name: C seventh sharp ninth (no fifth)");
    EXPECT_EQ(Shown().panel.symbol, "C7#9");
    Do(ChooseVocabulary, Vocabulary::Classic);
    EXPECT_EQ(Shown().panel.name.caption, "Name: ");
}

// The classic list keeps its order; the full one lists its chords after the classic ones,
// before the separator and the intervals.
TEST_F(VocabularyTest, TheTypeListFollowsTheVocabulary) {
    std::vector<std::string> classic;
    for (int type = 0; type < kChordTypeCount; ++type) {
        classic.emplace_back(ChordTypeName(type));
    }
    EXPECT_EQ(Shown().typeList.items, classic);
    Do(ChooseVocabulary, Vocabulary::Full);
    const std::vector<std::string>& full = Shown().typeList.items;
    ASSERT_EQ(full.size(), static_cast<std::size_t>(kFullChordTypeCount));
    EXPECT_EQ(full[25], "Sixth Added Ninth");
    EXPECT_EQ(full[kFullChordTypeCount - 13], "");
    EXPECT_EQ(full.back(), "Octave");

    Do(SelectRoot, kRootC);
    Do(SelectChordType, ListPosition("Thirteenth"));
    EXPECT_EQ(Shown().typeList.selected, ListPosition("Thirteenth"));
    Do(CreateChord);
    ASSERT_FALSE(window->state.candidates.empty());
    SearchRequest request{kRootC, window->state.typeIndex, 0, kMaxFrets, false};
    request.vocabulary = Vocabulary::Full;
    EXPECT_EQ(window->state.candidates, FindFingerings(request).candidates);

    // Back in the classic vocabulary the thirteenth is no longer chosen.
    Do(ChooseVocabulary, Vocabulary::Classic);
    EXPECT_EQ(Shown().typeList.selected, -1);
    EXPECT_EQ(Shown().typeList.items, classic);
}

TEST_F(VocabularyTest, FindChordReadsTheVocabularysSymbolsAndSlashBasses) {
    dialogs.answers = {"Am/G"};
    Do(FindChord);
    EXPECT_EQ(ChordTypeName(window->state.typeIndex), "Minor Seventh");
    EXPECT_EQ(Frets()[5], 3);  // G on the low E string

    Do(ChooseVocabulary, Vocabulary::Full);
    dialogs.answers = {"C7#9"};
    Do(FindChord);
    EXPECT_EQ(ChordTypeName(window->state.typeIndex, Vocabulary::Full), "Seventh Sharp Ninth");
    EXPECT_FALSE(window->state.candidates.empty());
}

TEST_F(VocabularyTest, TheSettingsFileKeepsTheFullVocabularyAndItsType) {
    Do(ChooseVocabulary, Vocabulary::Full);
    Do(SelectChordType, ListPosition("Minor Eleventh"));
    Do(Close);
    const std::string written = files.files[SettingsPath()];
    EXPECT_EQ(written.substr(written.find("\r\nVocabulary")), "\r\nVocabulary=full\r\n");
    const std::tuple<std::string, Vocabulary, std::string> cases[] = {
        {written, Vocabulary::Full, "Minor Eleventh"},
        // A type of the full vocabulary without it is no type at all: the defaults.
        {written.substr(0, written.find("Vocabulary")), Vocabulary::Classic, ""},
    };
    for (const auto& [text, vocabulary, type] : cases) {
        ControllerTest::SetUp();
        files.files[SettingsPath()] = text;
        Startup(*window, "");
        EXPECT_EQ(Shown().menu.vocabulary, vocabulary);
        const int selected = Shown().typeList.selected;
        EXPECT_EQ(selected < 0 ? "" : Shown().typeList.items[selected], type);
    }
}

}  // namespace
}  // namespace fretwise::test
