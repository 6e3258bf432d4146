// fretwise-desktop-files OUTDIR: writes the desktop entry and the MIME package of the chord
// files that an installation for all users provides, in OUTDIR as fretwise.desktop and
// fretwise.xml. They are the texts the program writes for one user, with the program found
// on the PATH. Run by the build.
#include <iostream>

#include "core/storage/atomic_file.hpp"
#include "qt/desktop/file_association.hpp"

int main(int argc, char** argv) {
    using namespace fretwise;
    if (argc != 2) {
        std::cerr << "usage: fretwise-desktop-files OUTDIR\n";
        return 2;
    }
    FileTypeRegistration type;
    type.icon = "fretwise.svg";  // installed in the icon theme under the program's name
    AppPaths paths;
    paths.executable = "fretwise";
    const std::filesystem::path out = argv[1];
    const bool written =
        WriteFileAtomically(out / DesktopEntryPath(type).filename(),
                            DesktopEntryText(type, paths)) &&
        WriteFileAtomically(out / MimePackagePath(type).filename(), MimePackageText(type));
    if (!written) {
        std::cerr << "fretwise-desktop-files: cannot write into " << out << '\n';
        return 1;
    }
    return 0;
}
