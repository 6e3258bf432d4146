#pragma once

#include <filesystem>
#include <string>

#include "storage/app_paths.hpp"

namespace fretwise {

// The chord file type as the program registers it at every start.
struct FileTypeRegistration {
    std::string programId = "Fretwise";
    std::string extension = ".fw";
    std::string description = "Chord";
    std::filesystem::path icon;   // the program icon; only an SVG goes into the icon theme
    std::string commandTemplate;  // what follows the program in the open command; empty: the file
};

// The registration start-up makes: the standard values with the scalable icon from the data
// directory (the desktop cannot use "fw.ico").
FileTypeRegistration ChordFileType(const AppPaths& paths);

// $XDG_DATA_HOME, or ~/.local/share when it is unset or not an absolute path.
std::filesystem::path UserDataHome();

// Registers the file type for the user on a freedesktop desktop, under dataHome:
//   mime/packages/ID.xml            the MIME type: glob, description, icon name
//   applications/ID.desktop         the program, opening files of that type
//   icons/hicolor/scalable/...      the icon, for the program and for the files
// where ID is the program identifier in lower case. Then update-mime-database and
// update-desktop-database are started, without waiting, when they are installed.
// The files are rewritten at every call. Nothing is ever reported to the user; the result
// only says whether the MIME package and the desktop entry were written.
bool RegisterFileType(const FileTypeRegistration& type, const AppPaths& paths,
                      const std::filesystem::path& dataHome);

// The texts written, for the tests.
std::string MimeTypeName(const FileTypeRegistration& type);
std::string MimePackageText(const FileTypeRegistration& type);
std::string DesktopEntryText(const FileTypeRegistration& type, const AppPaths& paths);

}  // namespace fretwise
