#include "window/disk_files.hpp"

#include <fstream>
#include <system_error>

#include "core/storage/atomic_file.hpp"

namespace fretwise {

std::unique_ptr<std::istream> DiskFiles::OpenToRead(const std::filesystem::path& file) {
    auto stream = std::make_unique<std::ifstream>(file, std::ios::binary);
    if (!stream->is_open()) {
        return nullptr;
    }
    return stream;
}

bool DiskFiles::WriteAtomically(const std::filesystem::path& file, std::string_view bytes) {
    std::error_code ignored;
    if (file.has_parent_path()) {
        std::filesystem::create_directories(file.parent_path(), ignored);
    }
    return WriteFileAtomically(file, bytes);
}

bool DiskFiles::Remove(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::remove(file, error) && !error;
}

}  // namespace fretwise
