#pragma once
// The named quantities of the model, one row each: the name the code and the
// report give it, which model it belongs to, its unit, where the window shows
// it, in which pattern, and what it means. The result captions, the report's
// keys, the hints of the result boxes, the results copy and the glossary's
// tables are all made from this one table; the computations only set numbers.

#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "model/label_texts.h"
#include "model/model.h"
#include "model/phrase.h"

namespace velunta {

// What a quantity belongs to; also the glossary's section it is explained in.
enum class QuantityGroup { input, ball, vacuum, linear, full, run, plot };

// The quantity's value as a double, and whether the model keeps it in single
// precision (then it is shown with the rounding of a float).
struct QuantityField {
    double (*read)(const Model&);
    bool single;
};

template <auto Member>
constexpr QuantityField field = {
    [](const Model& m) { return double(m.*Member); },
    std::is_same_v<std::remove_cvref_t<decltype(std::declval<Model>().*Member)>, float>};

// An input's caption and unit beside its field in the parameter panel.
struct InputCaption {
    const char* label = nullptr;      // "Label1"
    const char* caption = "";         // "h="
    const char* unitLabel = nullptr;  // "Label2"
    const char* unit = "";            // " м", as the panel writes it
    bool greek = false;               // a Greek caption, set a size larger
};

// How and where the window shows a quantity, and its words. A quantity without
// a label is shown only in the report.
struct QuantityDisplay {
    const char* label = nullptr;  // "Label24"
    const char* symbol = "";      // the caption before the number, blanks where a letter lies over it
    const char* pattern = "";     // the number's display pattern
    bool plainForm = false;       // the number read back and written in its shortest plain form
    const char* letter = "";      // the Greek letter laid over the caption's blanks
    const char* hint = "";        // the tooltip of its box or field
    const char* name = "";        // in plain Russian words, the same in each model: "время подъёма"
    const char* sign = "";        // its symbol without the model's index: "Tp"
    bool (*exists)(const Model&) = nullptr;  // where false, `absent` is the caption (none if null)
    const char* absent = nullptr;
    InputCaption input = {};  // inputs only
};

struct Quantity {
    const char* key;  // the model's name of it, also its key in the report: "Tp1"
    QuantityGroup group;
    QuantityField value;
    unsigned stage;       // the Stage that computes it: its caption exists once that has run
    const char* unit;     // as the window writes it ("" for a pure number); seconds
                          // are a Latin "c" in every caption but Vp2's
    const char* meaning;  // what it is, for the glossary (English, as the glossary)
    QuantityDisplay display = {};
};

// Every quantity, in the order of the report.
std::span<const Quantity> quantities();

// The quantity of that key ("Tmax1") or label ("Label26"), or null.
const Quantity* findQuantity(std::string_view keyOrLabel);

inline double valueOf(const Quantity& q, const Model& m) { return q.value.read(m); }

// Whether the window would show it: computed, and existing for these inputs.
bool isShown(const Quantity& q, const Model& m);

// The number as the window writes it, in the quantity's pattern with a point.
std::string numberText(const Quantity& q, const Model& m);

// The label's text: symbol, number, unit (or the text that stands for a missing
// quantity). The one place a quantity becomes its caption.
std::string captionOf(const Quantity& q, const Model& m);

// The caption as read with its Greek letter written in: "τ = 4.316e+01 c".
std::string readableCaption(const Quantity& q, const Model& m);

// The captions and hints of every result label the computations so far have
// filled, by label name.
LabelTexts labelTexts(const Model& m);

// The hint of a result box before anything is computed.
const char* hintOf(std::string_view label);
// The hint of the descent time once it is found: how, and in how many passes.
Phrase descentHintPhrase(const Model& m);

// The glossary's table of one group of quantities, as docs/glossary.md holds it.
std::string glossaryTable(QuantityGroup group);

}  // namespace velunta

#ifdef QT_CORE_LIB
namespace velunta {
// A caption of the quantity (captionOf, readableCaption) with its unit in the language
// of the program: "Tp = 0.102 c" -> "Tp = 0.102 s".
inline QString shownCaption(const Quantity& q, const std::string& caption) {
    const std::string unit = *q.unit ? std::string(" ") + q.unit : std::string();
    if (unit.empty() || !caption.ends_with(unit)) return QString::fromStdString(caption);
    return QString::fromStdString(caption.substr(0, caption.size() - unit.size() + 1)) +
           shownUnit(QString::fromUtf8(q.unit));
}
}  // namespace velunta
#endif
