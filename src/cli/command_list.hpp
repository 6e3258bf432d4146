#pragma once

// The entry points of the commands; commands.cpp lists them in its table.
#include "cli/command.hpp"

namespace fretwise::cli {

int RunVersion(Args args, Io io);
int RunName(Args args, Io io);
int RunCreate(Args args, Io io);
int RunWav(Args args, Io io);
int RunOpen(Args args, Io io);
int RunSave(Args args, Io io);
int RunShow(Args args, Io io);

}  // namespace fretwise::cli
