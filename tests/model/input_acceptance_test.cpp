// How typed texts become inputs: taken at once while typing, checked on finishing,
// and a whole set checked together whatever its order.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <optional>

#include "model/constants.h"
#include "model/input_acceptance.h"
#include "computed.h"

namespace velunta {
namespace {

Model defaults() { return computed({}, false, false); }
using F = InputField;

// (The window's typing test has more texts: a throw down, a release, an unfinished
// exponent, a comma height, a diameter, a mass, and what is too high or too small.)
TEST(InputAcceptance, WhileTypingANumberTheFieldAcceptsIsTakenAndAnythingElseWaits) {
    const Model m = defaults();
    const std::optional<double> pending;
    const struct { InputField field; const char* text; std::optional<double> value; } cases[] = {
        {F::V0y, "-", pending}, {F::V0y, "", pending}, {F::V0y, ".", pending}, {F::V0y, "1e-", pending},
        {F::V0y, "5,", 5.0}, {F::V0y, "-20000", pending}, {F::h, "0.0004", pending}, {F::h, "0.0005", 0.001},
        {F::h, "12abc", pending}, {F::h, " 1 2 ", 12.0}, {F::h, "&H10", 16.0}, {F::eta, "1,8e-5", 0.000018},
        {F::massa, "0.0001", pending}, {F::r0, "7799", 7799.0}, {F::r0, "7800", pending},
        {F::c, "-0.1", pending}, {F::c, "1001", pending},
    };
    for (const auto& c : cases)
        EXPECT_EQ(acceptWhileTyping(m, c.field, c.text), c.value) << fieldInfo(c.field).quantity << " '" << c.text << "'";
}

// The field's own tests first, in their order, then the limits, which respect the sign; a
// refusal is known here by its opening words (the window's typing test has every message whole).
TEST(InputAcceptance, FinishingChecksTheTextAndReplacesARefusedValue) {
    const Model m = defaults();
    const struct { InputField field; const char* text; double value; const char* message; } cases[] = {
        {F::h, "1.2.3", 2, "Уже упало?!"}, {F::h, "12abc", 12, ""}, {F::h, "1e6", 7, "Слишком высоко!"},
        {F::h, "-1e400", 7, "Слишком большое число!"}, {F::V0y, "abc", 0, ""},
        {F::V0y, "-20000", 7, "Слишком быстро!"}, {F::d, "-200", 0.001, "Это не материальная точка!"},
        {F::d, "1000", 0.009901, "Плотность шара"}, {F::massa, "2e9", 7, "Слишком тяжёлый шар!"},
        {F::r0, "200000", 3899.933, "Всплывание"}, {F::eta, "20000", 7, "Слишком вязкая среда!"},
        {F::c, "5000", 7, "Слишком большой коэфф"},
    };
    for (const auto& c : cases) {
        const FinishedEdit done = finishEdit(m, c.field, c.text, 7);
        EXPECT_EQ(done.value, c.value) << c.text;
        EXPECT_EQ(done.refusal ? done.refusal->message.substr(0, std::strlen(c.message)) : "", c.message) << c.text;
        EXPECT_EQ(bool(done.refusal), *c.message != 0) << c.text;
    }
    // A heavy ball in a dense medium: the fixed replacement of an emptied mass would float,
    // so it is replaced in turn, and the ball stays denser than the medium.
    Model heavy = defaults();
    heavy.massa = 0.085;
    heavy.r = heavy.massa * 6 / velunta::kPi / (heavy.d * heavy.d * heavy.d);
    heavy.r0 = 50000;
    const FinishedEdit emptied = finishEdit(heavy, InputField::massa, "", 0.085);
    EXPECT_EQ(emptied.value, 0.08585);
    EXPECT_EQ(emptied.refusal->message, "Шарик из чего-то сделан! например, из стали.");
}

TEST(InputAcceptance, ASetIsCheckedTogetherWhateverItsOrder) {
    Model lightFirst = defaults(), heavyFirst = defaults();
    EXPECT_TRUE(applyInputs(lightFirst, {{InputField::d, 1}, {InputField::massa, 4084}}).empty());
    EXPECT_TRUE(applyInputs(heavyFirst, {{InputField::massa, 4084}, {InputField::d, 1}}).empty());
    EXPECT_TRUE(lightFirst.d == 1 && lightFirst.massa == 4084 && heavyFirst.d == 1 && heavyFirst.massa == 4084);

    // Refusals come in the tab order and leave the replacements in place; other settings stay.
    Model m = defaults();
    const auto refusals = applyInputs(m, {{InputField::c, 0}, {InputField::eta, 0.5}, {InputField::h, 0}});
    ASSERT_EQ(refusals.size(), 2u);
    EXPECT_TRUE(refusals[0].field == InputField::h && refusals[1].field == InputField::c);
    EXPECT_TRUE(m.h == 2 && m.c == 0.47 && m.eta == 0.5);
}

}  // namespace
}  // namespace velunta
