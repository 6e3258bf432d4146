#include <ostream>

#include "cli/command_list.hpp"
#include "fretwise/version.hpp"

namespace fretwise::cli {

int RunVersion(Args args, Io io) {
    if (!args.empty() && args[0] != "--help") {
        io.err << "fretwise-cli version: takes no arguments\n";
        return kExitUsage;
    }
    io.out << kVersionedName << '\n';
    return kExitOk;
}

}  // namespace fretwise::cli
