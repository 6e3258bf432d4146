#include "qt/desktop/file_association.hpp"

#include <gtest/gtest.h>

#include <unistd.h>
#include <tuple>

#include <cstdio>
#include <cstdlib>

#include "support/scoped_env.hpp"
#include "support/temp_dir.hpp"

namespace fretwise::test {
namespace {

namespace fs = std::filesystem;

AppPaths PathsFor(const fs::path& executable) {
    AppPaths paths;
    paths.executable = executable;
    return paths;
}

TEST(FileAssociationTextTest, TheMimePackageNamesTheGlobTheDescriptionAndTheIcon) {
    FileTypeRegistration type;
    type.icon = "/usr/share/fretwise/icons/fretwise.svg";
    EXPECT_EQ(MimeTypeName(type), "application/x-fretwise");
    // Capitals from A to Z become small letters; what a MIME name cannot hold becomes '-'.
    FileTypeRegistration named;
    named.programId = "AZ Tabs_2.0/x";
    EXPECT_EQ(FileTypeId(named), "az-tabs_2.0-x");
    EXPECT_EQ(MimePackageText(type),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
              "  <mime-type type=\"application/x-fretwise\">\n"
              "    <comment>Chord</comment>\n"
              "    <icon name=\"application-x-fretwise\"/>\n"
              "    <glob pattern=\"*.fw\"/>\n"
              "  </mime-type>\n"
              "</mime-info>\n");
    type.description = "Chords & <Tabs> \"1\"";
    EXPECT_NE(MimePackageText(type).find("<comment>Chords &amp; &lt;Tabs&gt; &quot;1&quot;<"),
              std::string::npos);
}

TEST(UserDataHomeTest, AnAbsoluteXdgDataHomeElseTheHomeDirectory) {
    const ScopedEnv home("HOME", "/home/u");
    const std::tuple<const char*, const char*> cases[] = {
        {nullptr, "/home/u/.local/share"},
        {"relative/share", "/home/u/.local/share"},
        {"/data/share", "/data/share"}};
    for (const auto& [xdg, dataHome] : cases) {
        const ScopedEnv set("XDG_DATA_HOME", xdg);
        EXPECT_EQ(UserDataHome(), dataHome) << (xdg ? xdg : "unset");
    }
}

TEST(FileAssociationTextTest, TheOpenCommandQuotesTheProgramPath) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"/opt/fretwise/fretwise", "", "Exec=\"/opt/fretwise/fretwise\" %f"},
        {"/home/me/My Programs/fretwise", "", "Exec=\"/home/me/My Programs/fretwise\" %f"},
        {"/a/$b`c\"d\\e/100%/fw", "", R"(Exec="/a/\\$b\\`c\\"d\\\\e/100%%/fw" %f)"},
        {"/opt/fw", "  --open %f  ", "Exec=\"/opt/fw\" --open %f"},
        {"fretwise", "", "Exec=fretwise %f"},  // the installed entry: the program on the PATH
        {"Fretwise-AZ_az09", "", "Exec=Fretwise-AZ_az09 %f"},  // letters, digits, - and _ only
    };
    for (const auto& [executable, commandTemplate, exec] : cases) {
        FileTypeRegistration type;
        type.commandTemplate = commandTemplate;
        const std::string entry = DesktopEntryText(type, PathsFor(executable));
        EXPECT_NE(entry.find(std::string("\n") + exec + "\n"), std::string::npos) << entry;
    }
}

bool HasTool(const char* name) {
    return ::access((std::string("/usr/bin/") + name).c_str(), X_OK) == 0;
}

// Runs a shell command and gives its standard output and error.
std::string RunShell(const std::string& command) {
    std::string output;
    if (FILE* pipe = ::popen((command + " 2>&1").c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
            output += buffer;
        }
        ::pclose(pipe);
    }
    return output;
}

class FileAssociationTest : public TempDirTest {
  protected:
    fs::path dataHome = dir / "share";
    FileTypeRegistration type;
    AppPaths paths = PathsFor(dir / "my programs" / "fretwise");

    // The desktop database tools are kept off the path: they would run on after the
    // registration and write into the test's directory.
    const ScopedEnv noTools{"PATH", dir.c_str()};

    void SetUp() override {
        WriteBytes(dir / "fretwise.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"/>");
        type.icon = dir / "fretwise.svg";
    }
};

TEST_F(FileAssociationTest, WritesTheTypeTheEntryAndTheIcons) {
    ASSERT_TRUE(RegisterFileType(type, paths, dataHome));
    EXPECT_EQ(ReadBytes(dataHome / "mime/packages/fretwise.xml"), MimePackageText(type));
    EXPECT_EQ(ReadBytes(dataHome / "applications/fretwise.desktop"), DesktopEntryText(type, paths));
    const std::string icon = ReadBytes(type.icon);
    EXPECT_EQ(ReadBytes(dataHome / "icons/hicolor/scalable/apps/fretwise.svg"), icon);
    EXPECT_EQ(ReadBytes(dataHome / "icons/hicolor/scalable/mimetypes/application-x-fretwise.svg"),
              icon);
    // Every start writes them again, whatever they held.
    WriteBytes(dataHome / "applications/fretwise.desktop", "stale");
    ASSERT_TRUE(RegisterFileType(type, paths, dataHome));
    EXPECT_EQ(ReadBytes(dataHome / "applications/fretwise.desktop"), DesktopEntryText(type, paths));
}

TEST_F(FileAssociationTest, FailsSilently) {
    FileTypeRegistration nameless = type;
    nameless.programId.clear();
    EXPECT_FALSE(RegisterFileType(nameless, paths, dataHome));
    EXPECT_FALSE(fs::exists(dataHome));

    WriteBytes(dir / "not-a-directory", "");
    EXPECT_FALSE(RegisterFileType(type, paths, dir / "not-a-directory"));

    // A missing icon, or one the icon theme cannot take, is left out.
    WriteBytes(dir / "fw.ico", "not for the desktop");
    for (const fs::path& icon : {dir / "missing.svg", dir / "fw.ico"}) {
        FileTypeRegistration other = type;
        other.icon = icon;
        EXPECT_TRUE(RegisterFileType(other, paths, dataHome));
        EXPECT_FALSE(fs::exists(dataHome / "icons"));
    }
}

TEST_F(FileAssociationTest, TheDesktopEntryIsValid) {
    if (!HasTool("desktop-file-validate")) {
        GTEST_SKIP() << "desktop-file-validate is not installed";
    }
    ASSERT_TRUE(RegisterFileType(type, paths, dataHome));
    EXPECT_EQ(RunShell("/usr/bin/desktop-file-validate '" +
                       (dataHome / "applications/fretwise.desktop").string() + "'"),
              "");
}

TEST(SystemDataDirsTest, TheAbsoluteEntriesOfXdgDataDirsElseTheStandardOnes) {
    const std::tuple<const char*, std::vector<fs::path>> cases[] = {
        {nullptr, {"/usr/local/share", "/usr/share"}},
        {"", {"/usr/local/share", "/usr/share"}},
        {"relative:also/relative", {"/usr/local/share", "/usr/share"}},
        {"/opt/share::relative:/usr/share/", {"/opt/share", "/usr/share/"}},
    };
    for (const auto& [xdg, dirs] : cases) {
        const ScopedEnv set("XDG_DATA_DIRS", xdg);
        EXPECT_EQ(SystemDataDirs(), dirs) << (xdg ? xdg : "unset");
    }
}

// Only a program whose own prefix is a system data directory with the desktop entry in it is
// installed for all users; from a build folder or the user's own prefix it registers itself.
TEST_F(FileAssociationTest, OnlyAProgramInstalledForAllUsersLeavesTheRegistrationToItsPackage) {
    const auto touch = [](const fs::path& file) {
        fs::create_directories(file.parent_path());
        WriteBytes(file, "");
    };
    for (const char* prefix : {"usr", "opt/fw", "home/.local"}) {
        touch(dir / prefix / "share" / DesktopEntryPath(type));
        touch(dir / prefix / "bin" / "fretwise");
    }
    touch(dir / "build" / "fretwise");
    touch(dir / "bare" / "bin" / "fretwise");
    fs::create_directories(dir / "bare" / "share");
    fs::create_directories(dir / "usr" / "local" / "share");
    const std::vector<fs::path> system = {dir / "usr/local/share", dir / "usr/share/",
                                          dir / "bare/share"};
    const std::tuple<fs::path, std::vector<fs::path>, bool> cases[] = {
        {dir / "usr/bin/fretwise", system, true},
        {dir / "usr/bin/../bin/fretwise", system, true},
        {dir / "usr/bin/fretwise", {dir / "usr/local/share"}, false},
        {dir / "opt/fw/bin/fretwise", system, false},       // a prefix the desktop does not read
        {dir / "home/.local/bin/fretwise", system, false},  // the user's own prefix
        {dir / "build/fretwise", system, false},
        {dir / "bare/bin/fretwise", system, false},  // no desktop entry installed
        {dir / "gone/bin/fretwise", system, false},
    };
    for (const auto& [executable, dataDirs, installed] : cases) {
        EXPECT_EQ(InstalledForAllUsers(type, executable, dataDirs), installed) << executable;
    }
}

}  // namespace
}  // namespace fretwise::test
