#pragma once
// The texts of the result labels, by label name: a caption and, for a few
// labels, a hint (tooltip), made from the model's numbers by labelTexts
// (model/quantities.h). The window copies them onto its labels; the headless
// report prints them.

#include <map>
#include <string>
#include <string_view>

namespace velunta {

class LabelTexts {
public:
    void setCaption(std::string_view label, std::string text) { captions_[std::string(label)] = std::move(text); }
    void setToolTip(std::string_view label, std::string text) { toolTips_[std::string(label)] = std::move(text); }

    // Empty when the label has not been given a text yet.
    std::string caption(std::string_view label) const { return find(captions_, label); }
    std::string toolTip(std::string_view label) const { return find(toolTips_, label); }

    const std::map<std::string, std::string, std::less<>>& captions() const { return captions_; }
    const std::map<std::string, std::string, std::less<>>& toolTips() const { return toolTips_; }

private:
    using Map = std::map<std::string, std::string, std::less<>>;
    static std::string find(const Map& m, std::string_view key) {
        auto it = m.find(key);
        return it == m.end() ? std::string() : it->second;
    }
    Map captions_;
    Map toolTips_;
};

}  // namespace velunta
