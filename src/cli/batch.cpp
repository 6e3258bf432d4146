#include "cli/batch.hpp"

#include <istream>
#include <ostream>

namespace fretwise::cli {

namespace {

constexpr std::size_t kFlushSize = 1 << 16;

void SplitInto(const std::string& line, std::vector<std::string>& args) {
    std::size_t start = 0;
    while ((start = line.find_first_not_of(" \t\r", start)) != std::string::npos) {
        const std::size_t end = std::min(line.find_first_of(" \t\r", start), line.size());
        args.emplace_back(line, start, end - start);
        start = end;
    }
}

}  // namespace

int RunBatch(const std::vector<std::string>& defaults, const BatchLine& answer, Io io) {
    bool allSucceeded = true;
    std::string line;
    std::string out;
    std::vector<std::string> args;
    while (std::getline(io.in, line)) {
        args.assign(defaults.begin(), defaults.end());
        SplitInto(line, args);
        allSucceeded = answer(args, out) && allSucceeded;
        out += '\n';
        if (out.size() >= kFlushSize || io.in.rdbuf()->in_avail() <= 0) {
            io.out << out;
            io.out.flush();
            out.clear();
        }
    }
    io.out << out;
    io.out.flush();
    return allSucceeded ? kExitOk : kExitFailure;
}

std::optional<int> StartBatch(const std::vector<std::string>& positional,
                              const std::vector<std::string>& options, std::string_view lineHolds,
                              const BatchLine& answer, Io io, std::string& error) {
    if (!positional.empty()) {
        error = "--batch reads " + std::string(lineHolds) + " from standard input, not '" +
                positional[0] + "'";
        return std::nullopt;
    }
    std::vector<std::string> defaults = options;
    std::erase(defaults, "--batch");
    std::erase(defaults, "--json");
    return RunBatch(defaults, answer, io);
}

}  // namespace fretwise::cli
