#include "core/storage/print_form.hpp"

namespace fretwise {

std::string PrintForm(int value) {
    // std::to_string of an int is locale-independent.
    std::string text = value < 0 ? std::to_string(value) : ' ' + std::to_string(value);
    text += ' ';
    return text;
}

void AppendPrintLine(std::string& text, int value) {
    text += PrintForm(value);
    text += "\r\n";
}

}  // namespace fretwise
