#include "model/phrase.h"

namespace velunta {

std::string filledPlaceholders(const std::string& text, const std::vector<std::string>& pieces) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n = i + 1 < text.size() && text[i] == '%' ? std::size_t(text[i + 1] - '1') : pieces.size();
        if (n < pieces.size() && n < 9) {
            out += pieces[n];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string Phrase::russian() const {
    if (!source) return literal;
    std::vector<std::string> pieces;
    for (const Phrase& a : args) pieces.push_back(a.russian());
    return filledPlaceholders(source, pieces);
}

}  // namespace velunta
