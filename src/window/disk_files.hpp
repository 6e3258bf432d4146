#pragma once

#include "window/platform.hpp"

namespace fretwise {

// The user's files on the local disk.
class DiskFiles : public Files {
  public:
    std::unique_ptr<std::istream> OpenToRead(const std::filesystem::path& file) override;
    // Creates the file's directory when it is missing (the first start has no config dir).
    bool WriteAtomically(const std::filesystem::path& file, std::string_view bytes) override;
    bool Remove(const std::filesystem::path& file) override;
};

}  // namespace fretwise
