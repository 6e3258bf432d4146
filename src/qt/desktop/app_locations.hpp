#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>

#include "core/storage/app_paths.hpp"

namespace fretwise {

// The program's files: its read-only data beside the executable (<dir>/share/fretwise in
// the build tree, <dir>/../share/fretwise once installed) and the user's config and cache
// directories for the settings and the temporary sounds. Creates the writable directories.
AppPaths LocateAppPaths();

// The data directory for a program in exeDir: the first candidate that exists, else the
// installed location.
std::filesystem::path FindDataDir(const std::filesystem::path& exeDir);

// The chord file named on the command line: the arguments joined by single spaces, so that
// a path with blanks arrives whole even when the shell split it.
std::string CommandLineText(const QStringList& arguments);

}  // namespace fretwise
