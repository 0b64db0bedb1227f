// Reading numbers typed into the input fields: a table of typed texts and a
// seeded fuzz run against strtod as an independent reader of plain decimals.

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "model/number_reader.h"

namespace velunta {
namespace {

// Beyond the range of a double a number is reported, and read as 0 where not checked.
TEST(Val, LeadingNumberOfTheText) {
    const struct { const char* text; double expected; bool overflow = false; } cases[] = {
        // (plain decimals, blanks and D exponents are the fuzz's below)
        {"", 0}, {"-", 0}, {".e5", 0}, {"abc", 0}, {"1,8e-5", 0.000018}, {"1,2.3", 1.2}, {"12abc", 12},
        {"1.2.3", 1.2}, {"1e+", 1}, {"1e3.5", 1000}, {"1e+-3", 1}, {"+-1", 0}, {"1e-400", 0}, {"0e999999", 0},
        {"1e308", 1e308}, {"1e400", 0, true}, {"-1.8e308", 0, true}, {"1e99999999999999999999", 0, true},
        // UTF-8 text: a Cyrillic letter ends the number, a non-breaking space too.
        {"12\xd0\xbc", 12}, {"\xd0\xbc 12", 0}, {"1\xc2\xa0" "2", 1},
        // Whole numbers as the classic integer literals: 16 bits, then 32 bits.
        {"&h1f", 31}, {"&o17", 15}, {"&HFFFF", -1}, {"&H8000", -32768}, {"&H10000", 65536}, {"  &H 1F", 31},
        {"&H7FFFFFFF", 2147483647.0}, {"&H80000000", -2147483648.0}, {"&HFFFFFFFF", -1}, {"&H1G", 1},
        {"&O78", 7}, {"&H", 0}, {"&X12", 0}, {"-&H10", 0}, {"&H100000000", 0, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Val(c.text), c.expected) << "'" << c.text << "'";
        EXPECT_EQ(ReadNumber(c.text).overflow, c.overflow) << "'" << c.text << "'";
    }
}

// Texts of arbitrary pieces, or mostly numbers: sign, digits, point, exponent,
// each part followed by a blank now and then.
std::string randomText(std::mt19937& random, bool numberLike) {
    static const std::vector<std::string> kPieces = {
        "0", "1", "5", "9", "+", "-", ".", "e", "E", "d", "D", "&", "h", "H", "o", "O", " ", "\t", "\n", ",", "a",
        "F", "x", "\xd0\xbc", "\xd0\x90", "\xd1"};
    std::uniform_int_distribution<int> coin(0, 3), digit(0, 9), count(0, 20);
    std::string text;
    if (!numberLike) {
        for (int n = count(random) * 14 / 20; n > 0; --n) text += kPieces[random() % kPieces.size()];
        return text;
    }
    const auto add = [&](char part) {
        if (part) text += part;
        if (coin(random) == 0) text += ' ';
    };
    const auto digits = [&](int n) { while (n-- > 0) add(char('0' + digit(random))); };
    add(coin(random) == 0 ? "-+"[coin(random) % 2] : 0);
    digits(count(random));
    if (coin(random) < 2) add('.'), digits(count(random));
    if (coin(random) == 0) add("eEdD"[coin(random)]), add("+-\0"[coin(random) % 3]), digits(coin(random));
    return text;
}

TEST(Val, FuzzNeverNonFiniteAndAgreesWithStrtodOnPlainDecimals) {
    static const std::regex kPlainNumber(R"([+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)");
    std::mt19937 random(20240607);
    int compared = 0;
    for (int i = 0; i < 100000; ++i) {
        const std::string text = randomText(random, i % 2);
        const NumberReading reading = ReadNumber(text);
        ASSERT_TRUE(std::isfinite(reading.value)) << "'" << text << "'";
        ASSERT_EQ(Val(text), reading.value);
        // The independent reader: blanks removed, D exponents made E, strtod in the "C" locale.
        std::string plain;
        for (char ch : text)
            if (ch != ' ' && ch != '\t' && ch != '\r' && ch != '\n') plain += ch == 'd' || ch == 'D' ? 'e' : ch;
        if (!std::regex_match(plain, kPlainNumber)) continue;
        errno = 0;
        const double expected = std::strtod(plain.c_str(), nullptr);
        if (errno == ERANGE && expected == 0) continue;  // below the smallest double
        ASSERT_EQ(reading.overflow, std::isinf(expected)) << "'" << text << "'";
        ASSERT_EQ(reading.value, reading.overflow ? 0 : expected) << "'" << text << "' read as '" << plain << "'";
        ++compared;
    }
    EXPECT_GT(compared, 30000);  // the comparison really happened for a good share
}

}  // namespace
}  // namespace velunta
