#include "cli/docs/completion_values.hpp"

#include <algorithm>

namespace fretwise::cli {

std::vector<Offer> WordLists(const CommandLineOutline& outline) {
    std::vector<Offer> lists;
    for (const CommandOutline& command : outline.commands) {
        for (const ArgumentOutline& argument : command.arguments) {
            const Offer& offer = argument.offer;
            const auto known = std::find_if(lists.begin(), lists.end(), [&](const Offer& list) {
                return list.list == offer.list;
            });
            if (offer.kind == Offer::Kind::Words && known == lists.end()) {
                lists.push_back(offer);
            }
        }
    }
    return lists;
}

std::string OneLine(const std::string& text) {
    std::string line = text;
    std::replace(line.begin(), line.end(), '\n', ' ');
    return line;
}

}  // namespace fretwise::cli
