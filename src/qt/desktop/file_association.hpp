#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/storage/app_paths.hpp"
#include "core/storage/file_type.hpp"

namespace fretwise {

// The registration start-up makes: the standard values with the scalable icon from the data
// directory (the desktop cannot use "fw.ico").
FileTypeRegistration ChordFileType(const AppPaths& paths);

// $XDG_DATA_HOME, or ~/.local/share when it is unset or not an absolute path.
std::filesystem::path UserDataHome();

// The system's data directories: $XDG_DATA_DIRS (its absolute entries), or /usr/local/share
// and /usr/share when it names none.
std::vector<std::filesystem::path> SystemDataDirs();

// Whether the program is installed for all users with its own registration: it runs from
// PREFIX/bin, PREFIX/share is one of the system's data directories, and the desktop entry is
// there (a package puts it there). A registration for the user would then only shadow the
// package's, and keep pointing at this program after the package is gone. A program in its
// build folder or in a prefix of the user's own is not installed for all users.
bool InstalledForAllUsers(const FileTypeRegistration& type, const std::filesystem::path& executable,
                          const std::vector<std::filesystem::path>& dataDirs);

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
std::string MimePackageText(const FileTypeRegistration& type);
std::string DesktopEntryText(const FileTypeRegistration& type, const AppPaths& paths);

}  // namespace fretwise
