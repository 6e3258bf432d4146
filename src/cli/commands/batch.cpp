#include "cli/commands/batch.hpp"

#include <istream>
#include <ostream>
#include <vector>

namespace fretwise::cli {

namespace {

constexpr std::size_t kFlushSize = 1 << 16;

void SplitInto(const std::string& line, std::vector<std::string>& words) {
    std::size_t start = 0;
    while ((start = line.find_first_not_of(" \t\r", start)) != std::string::npos) {
        const std::size_t end = std::min(line.find_first_of(" \t\r", start), line.size());
        words.emplace_back(line, start, end - start);
        start = end;
    }
}

}  // namespace

int RunBatch(const BatchLine& answer, Io io) {
    bool allSucceeded = true;
    std::string line;
    std::string out;
    std::vector<std::string> words;
    while (std::getline(io.in, line)) {
        words.clear();
        SplitInto(line, words);
        allSucceeded = answer(words, out) && allSucceeded;
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

void RefuseWords(Args words, std::string_view linesHold) {
    if (!words.empty()) {
        throw UsageError("--batch reads " + std::string(linesHold) + " from standard input, not '" +
                         words[0] + "'");
    }
}

}  // namespace fretwise::cli
