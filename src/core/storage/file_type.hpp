#pragma once

#include <filesystem>
#include <string>

namespace fretwise {

// The chord file type as the program registers it at every start.
struct FileTypeRegistration {
    std::string programId = "Fretwise";
    std::string extension = ".fw";
    std::string description = "Chord";
    std::filesystem::path icon;   // the program icon; only an SVG goes into the icon theme
    std::string commandTemplate;  // what follows the program in the open command; empty: the file
};

// The program identifier as a lower-case name fit for file names and MIME types.
std::string FileTypeId(const FileTypeRegistration& type);

// The MIME type the file type is registered as: application/x-ID.
std::string MimeTypeName(const FileTypeRegistration& type);

// Where the registration writes the MIME package and the desktop entry, relative to a data
// directory: mime/packages/ID.xml and applications/ID.desktop.
std::filesystem::path MimePackagePath(const FileTypeRegistration& type);
std::filesystem::path DesktopEntryPath(const FileTypeRegistration& type);

}  // namespace fretwise
