#include "core/song/directive.hpp"

#include <gtest/gtest.h>

#include <tuple>

namespace fretwise::test {
namespace {

TEST(DirectiveTest, ReadsNameSelectorAndValue) {
    struct Case {
        const char* line;
        const char* name;
        const char* selector;
        bool negated;
        const char* value;
        bool forGuitar;
    };
    const Case cases[] = {
        {"{title: Swing low}", "title", "", false, "Swing low", true},
        {"{t:Amazing Grace}", "title", "", false, "Amazing Grace", true},
        {"  {Title : Spaced }  ", "title", "", false, "Spaced", true},
        {"{transpose 3}", "transpose", "", false, "3", true},
        {"{transpose}", "transpose", "", false, "", true},
        {"{soc: Chorus 1}", "start_of_chorus", "", false, "Chorus 1", true},
        {"{eoc}", "end_of_chorus", "", false, "", true},
        {"{sot}", "start_of_tab", "", false, "", true},
        {"{sog}", "start_of_grid", "", false, "", true},
        {"{ns}", "new_song", "", false, "", true},
        {"{c-guitar: for us}", "comment", "guitar", false, "for us", true},
        {"{c-ukulele: not for us}", "comment", "ukulele", false, "not for us", false},
        {"{c-ukulele!: for us}", "comment", "ukulele", true, "for us", true},
        {"{c-guitar!: not for us}", "comment", "guitar", true, "not for us", false},
        {"{start_of_verse-ukulele}", "start_of_verse", "ukulele", false, "", false},
        {"{define: Am7 base-fret 1 frets x 0 2 0 1 0}", "define", "", false,
         "Am7 base-fret 1 frets x 0 2 0 1 0", true},
        {"{x_custom: kept}", "x_custom", "", false, "kept", true},
    };
    for (const Case& c : cases) {
        const std::optional<Directive> directive = ReadDirective(c.line);
        ASSERT_TRUE(directive) << c.line;
        EXPECT_EQ(directive->name, c.name) << c.line;
        EXPECT_EQ(directive->selector, c.selector) << c.line;
        EXPECT_EQ(directive->negated, c.negated) << c.line;
        EXPECT_EQ(directive->value, c.value) << c.line;
        EXPECT_EQ(directive->AppliesToGuitar(), c.forGuitar) << c.line;
    }
    for (const char* line : {"", "{}", "{ : x}", "title: x", "[C]{title: x}", "{title: x} y"}) {
        EXPECT_FALSE(ReadDirective(line)) << line;
    }
}

TEST(DirectiveTest, SectionsStartAndEndByName) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"{soc}", "chorus", ""},
        {"{end_of_chorus}", "", "chorus"},
        {"{start_of_solo: Guitar}", "solo", ""},
        {"{eot}", "", "tab"},
        {"{chorus}", "", ""},
    };
    for (const auto& [line, started, ended] : cases) {
        const Directive directive = *ReadDirective(line);
        EXPECT_EQ(SectionStarted(directive), started) << line;
        EXPECT_EQ(SectionEnded(directive), ended) << line;
    }
}

}  // namespace
}  // namespace fretwise::test
