// Reading numbers typed into the input fields: a table of typed texts and a
// seeded fuzz run against strtod as an independent reader of plain decimals.

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "model/number_reader.h"

namespace velunta {
namespace {

struct ValCase {
    const char* text;
    double expected;
};

TEST(ValTable, LeadingNumberOfTheText) {
    const std::vector<ValCase> cases = {
        {"", 0},          {" ", 0},            {"-", 0},          {".", 0},
        {"+", 0},         {"abc", 0},          {"e5", 0},         {".e5", 0},
        {"-.5", -0.5},    {"+3", 3},           {"5.", 5},         {"0.0004", 0.0004},
        {"   2.000", 2},  {"2,000", 2},        {"1,5", 1},        {"12abc", 12},
        {"1.2.3", 1.2},   {"1e", 1},           {"1e+", 1},        {"1e-", 1},
        {"1E3", 1000},    {"1e-3", 0.001},     {"1D2", 100},      {"1d-2", 0.01},
        {"2.5E+1x", 25},  {"1 2.5", 12.5},     {"1 e 3", 1000},   {"- 4", -4},
        {"\t7\r\n", 7},   {"1\n2", 12},        {"3 . 25", 3.25},  {"1e3.5", 1000},
        {"1ee3", 1},      {"1e+-3", 1},        {"--1", 0},        {"+-1", 0},
        {"007", 7},       {"0.000", 0},        {"-0", 0},         {"1.7976931348623157e308", 1.7976931348623157e308},
        {"4.9e-324", 4.9e-324}, {"1e-400", 0}, {"0e999999", 0},   {"0.000001e6", 1},
        // UTF-8 text: a Cyrillic letter ends the number, a non-breaking space too.
        {"12\xd0\xbc", 12}, {"\xd0\xbc 12", 0}, {"1\xc2\xa0" "2", 1},
    };
    for (const ValCase& c : cases) EXPECT_EQ(Val(c.text), c.expected) << "'" << c.text << "'";
}

TEST(ValTable, HexadecimalAndOctalWholeNumbers) {
    const std::vector<ValCase> cases = {
        {"&H1F", 31},         {"&h1f", 31},          {"&o17", 15},       {"&O17", 15},
        {"&HFFFF", -1},       {"&H8000", -32768},    {"&H7FFF", 32767},  {"&H10000", 65536},
        {"&H7FFFFFFF", 2147483647.0}, {"&H80000000", -2147483648.0},      {"&HFFFFFFFF", -1},
        {"&O177777", -1},     {"&O200000", 65536},   {"&O37777777777", -1},
        {"  &H 1F", 31},      {"&H1G", 1},           {"&O78", 7},        {"&H", 0},
        {"&", 0},             {"&X12", 0},           {"-&H10", 0},       {"&H0000000001", 1},
    };
    for (const ValCase& c : cases) EXPECT_EQ(Val(c.text), c.expected) << "'" << c.text << "'";
}

TEST(ValChecked, ReportsNumbersBeyondTheDoubleRange) {
    const std::vector<const char*> too_big = {"1e400", "-1e400", "1.8e308", "1e99999999999999999999",
                                              "&H100000000", "&O40000000000"};
    for (const char* text : too_big) {
        EXPECT_FALSE(ValChecked(text).has_value()) << text;
        EXPECT_TRUE(ReadNumber(text).overflow) << text;
        EXPECT_EQ(Val(text), 0) << text;
    }
    const std::vector<ValCase> in_range = {{"1e308", 1e308}, {"1e-400", 0}, {"abc", 0}, {"-2.5", -2.5}};
    for (const ValCase& c : in_range) {
        ASSERT_TRUE(ValChecked(c.text).has_value()) << c.text;
        EXPECT_EQ(*ValChecked(c.text), c.expected) << c.text;
    }
}

// Independent reader: blanks removed, D exponents turned into E, then strtod
// (in the "C" locale of the test) on texts that are one plain decimal number.
bool plainDecimal(const std::string& text, std::string& stripped) {
    static const std::regex kPlainNumber(R"([+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)");
    stripped.clear();
    for (char ch : text) {
        if (ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n') continue;
        stripped.push_back(ch == 'd' || ch == 'D' ? 'e' : ch);
    }
    return std::regex_match(stripped, kPlainNumber);
}

std::string randomText(std::mt19937& random) {
    static const std::vector<std::string> kPieces = {
        "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "+", "-", ".", "e", "E", "d", "D", "&",
        "h", "H", "o", "O", " ", "\t", "\n", ",", "a", "F", "x", "\xd0\xbc", "\xd0\x90", "\xd1"};
    std::uniform_int_distribution<std::size_t> length(0, 14);
    std::uniform_int_distribution<std::size_t> piece(0, kPieces.size() - 1);
    std::string text;
    for (std::size_t n = length(random); n > 0; --n) text += kPieces[piece(random)];
    return text;
}

// A text that is mostly a number: sign, digits, point, exponent, with blanks
// sprinkled in, so that the oracle comparison gets many cases.
std::string randomNumberText(std::mt19937& random) {
    std::uniform_int_distribution<int> coin(0, 3);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> count(0, 20);
    auto blank = [&] { return coin(random) == 0 ? std::string(" ") : std::string(); };
    auto digits = [&](int n) {
        std::string s;
        for (int i = 0; i < n; ++i) s += static_cast<char>('0' + digit(random)) + blank();
        return s;
    };
    std::string text = blank();
    if (coin(random) == 0) text += coin(random) < 2 ? "-" : "+";
    text += digits(count(random));
    if (coin(random) < 2) text += "." + blank() + digits(count(random));
    if (coin(random) == 0) {
        text += std::string(1, "eEdD"[coin(random)]) + blank();
        if (coin(random) < 2) text += coin(random) < 2 ? "-" : "+";
        text += digits(coin(random));
    }
    return text + blank();
}

TEST(ValFuzz, NeverNonFiniteAndAgreesWithStrtodOnPlainDecimals) {
    std::mt19937 random(20240607);
    int compared = 0;
    for (int i = 0; i < 100000; ++i) {
        const std::string text = (i % 2 == 0) ? randomText(random) : randomNumberText(random);
        const NumberReading reading = ReadNumber(text);
        ASSERT_TRUE(std::isfinite(reading.value)) << "'" << text << "'";
        ASSERT_EQ(Val(text), reading.value);

        std::string stripped;
        if (!plainDecimal(text, stripped)) continue;
        errno = 0;
        const double expected = std::strtod(stripped.c_str(), nullptr);
        if (std::isinf(expected)) {
            EXPECT_TRUE(reading.overflow) << "'" << text << "'";
            continue;
        }
        if (errno == ERANGE && expected == 0) continue;  // below the smallest double
        ASSERT_FALSE(reading.overflow) << "'" << text << "'";
        ASSERT_EQ(reading.value, expected) << "'" << text << "' read as '" << stripped << "'";
        ++compared;
    }
    // The comparison must really have happened for a good share of the texts.
    EXPECT_GT(compared, 30000);
}

}  // namespace
}  // namespace velunta
