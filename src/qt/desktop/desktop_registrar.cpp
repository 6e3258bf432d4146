#include "qt/desktop/desktop_registrar.hpp"

#include <QTimer>

#include "qt/desktop/file_association.hpp"

namespace fretwise {

namespace {

// The first picture of the window needs none of it, so it is written a moment later.
constexpr int kDelayMilliseconds = 1000;

}  // namespace

void DesktopRegistrar::Register(const FileTypeRegistration& registration) {
    QTimer::singleShot(kDelayMilliseconds, [this, registration] { RegisterNow(registration); });
}

void DesktopRegistrar::RegisterNow(const FileTypeRegistration& registration) {
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
