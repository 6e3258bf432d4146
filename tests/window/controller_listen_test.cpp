// The tuner's listening choices: the main window keeps them in the settings file.
#include "window/controller_fixture.hpp"

namespace fretwise::test {
namespace {

TEST_F(StartedControllerTest, TheSettingsFileKeepsTheTunersChoicesAfterTheClassicLines) {
    EXPECT_EQ(window->state.listen, ListenChoices{});
    window->state.listen = {442, TunerMode::Chromatic};
    Do(Close);
    const std::string written = files.files[SettingsPath()];
    EXPECT_EQ(written.substr(written.find("\r\nReferenceA")),
              "\r\nReferenceA=442\r\nTunerMode=Chromatic\r\n");
    const std::tuple<std::string, ListenChoices> cases[] = {
        {written, {442, TunerMode::Chromatic}},
        // A bad value falls back to its default alone.
        {SettingsText({}) + "ReferenceA=460\r\nTunerMode=Chromatic\r\n",
         {440, TunerMode::Chromatic}},
        {SettingsText({}) + "ReferenceA=435\r\nTunerMode=chromatic\r\n", {435, TunerMode::Strings}},
    };
    for (const auto& [text, choices] : cases) {
        ControllerTest::SetUp();
        files.files[SettingsPath()] = text;
        Startup(*window, "");
        EXPECT_EQ(window->state.listen, choices) << text;
    }
}

}  // namespace
}  // namespace fretwise::test
