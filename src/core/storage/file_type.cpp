#include "core/storage/file_type.hpp"

namespace fretwise {

namespace fs = std::filesystem;

std::string FileTypeId(const FileTypeRegistration& type) {
    std::string id;
    for (char c : type.programId) {
        const bool safe =
            (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
        id += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : safe ? c : '-';
    }
    return id;
}

std::string MimeTypeName(const FileTypeRegistration& type) {
    return "application/x-" + FileTypeId(type);
}

fs::path MimePackagePath(const FileTypeRegistration& type) {
    return fs::path("mime") / "packages" / (FileTypeId(type) + ".xml");
}

fs::path DesktopEntryPath(const FileTypeRegistration& type) {
    return fs::path("applications") / (FileTypeId(type) + ".desktop");
}

}  // namespace fretwise
