#include "qt/desktop/desktop_registrar.hpp"

#include "qt/desktop/file_association.hpp"

namespace fretwise {

void DesktopRegistrar::Register(const FileTypeRegistration& registration) {
    // A package registers the type for all users; the program leaves that alone.
    if (InstalledForAllUsers(registration, paths_.executable, SystemDataDirs())) {
        return;
    }
    // The desktop shows the scalable icon; "fw.ico" stays for other systems.
    FileTypeRegistration type = registration;
    type.icon = ChordFileType(paths_).icon;
    RegisterFileType(type, paths_, UserDataHome());
}

}  // namespace fretwise
