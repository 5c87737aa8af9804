// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

// Compares the cell conversion with a second, deliberately naive reading of
// the same rules: a character-by-character state machine whose value comes
// from the C library's strtold. The two must agree on accepting or rejecting
// every text, and on the float value of every accepted one.

#include "CellConversion.h"
#include "Exception.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Overflow of a float conversion must give infinity, which the reference
// relies on to spot values beyond the float range.
static_assert(std::numeric_limits<float>::is_iec559 && std::numeric_limits<long double>::is_iec559);

constexpr std::string_view kAlphabet = "0123456789,.-+eE \t";
constexpr int kExponentStop = 500;

enum class State {
    LeadingSpace,
    AfterSign,
    Integer,
    Fraction,
    ExponentMark,
    ExponentSign,
    ExponentDigits,
    TrailingSpace,
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// nullopt: the text is rejected.
std::optional<float> referenceConvert(std::string_view text, char separator)
{
    State state = State::LeadingSpace;
    bool negative = false;
    bool negativeExponent = false;
    std::string digits;
    long fractionDigits = 0;
    long exponent = 0;

    for (const char c : text) {
        switch (state) {
        case State::LeadingSpace:
        case State::AfterSign:
            if (c == ' ' && state == State::LeadingSpace)
                continue;
            if ((c == '+' || c == '-') && state == State::LeadingSpace) {
                negative = c == '-';
                state = State::AfterSign;
            } else if (isDigit(c)) {
                digits += c;
                state = State::Integer;
            } else if (c == separator) {
                state = State::Fraction;
            } else {
                return std::nullopt;
            }
            break;
        case State::Integer:
        case State::Fraction:
            if (isDigit(c)) {
                digits += c;
                fractionDigits += state == State::Fraction;
            } else if (c == separator && state == State::Integer) {
                state = State::Fraction;
            } else if (c == 'e' || c == 'E') {
                state = State::ExponentMark;
            } else if (c == ' ') {
                state = State::TrailingSpace;
            } else {
                return std::nullopt;
            }
            break;
        case State::ExponentMark:
        case State::ExponentSign:
        case State::ExponentDigits:
            if ((c == '+' || c == '-') && state == State::ExponentMark) {
                negativeExponent = c == '-';
                state = State::ExponentSign;
            } else if (isDigit(c)) {
                // Once the exponent is this large no further digit is read,
                // so one more is text left over.
                if (exponent >= kExponentStop)
                    return std::nullopt;
                exponent = exponent * 10 + (c - '0');
                state = State::ExponentDigits;
            } else if (c == ' ') {
                state = State::TrailingSpace;
            } else {
                return std::nullopt;
            }
            break;
        case State::TrailingSpace:
            if (c != ' ')
                return std::nullopt;
            break;
        }
    }
    if (state == State::LeadingSpace || state == State::AfterSign)
        return std::nullopt;

    if (digits.empty())
        digits = "0";
    const long scale = (negativeExponent ? -exponent : exponent) - fractionDigits;
    const std::string normal = (negative ? "-" : "") + digits + "e" + std::to_string(scale);
    errno = 0;
    const long double value = std::strtold(normal.c_str(), nullptr);
    // Too large for extended precision is an error; too small is zero, which
    // strtold delivers (with ERANGE) on its own.
    if (errno == ERANGE && std::isinf(value))
        return std::nullopt;
    const float rounded = static_cast<float>(value);
    if (std::isinf(rounded))
        return std::nullopt;
    return rounded;
}

std::optional<float> realConvert(const std::string& text, char separator)
{
    try {
        return cellTextToFloat(text, separator);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

std::string shown(const std::string& text, char separator)
{
    std::ostringstream out;
    out << "'";
    for (const char c : text)
        out << (c == '\t' ? std::string("\\t") : std::string(1, c));
    out << "' with separator '" << separator << "'";
    return out.str();
}

std::string shown(std::optional<float> value)
{
    if (!value)
        return "rejected";
    std::ostringstream out;
    out.precision(9);
    out << *value;
    return out.str();
}

struct Tally {
    long accepted = 0;
    long rejected = 0;
    std::vector<std::string> disagreements;

    void compare(const std::string& text, char separator)
    {
        const std::optional<float> expected = referenceConvert(text, separator);
        const std::optional<float> got = realConvert(text, separator);
        const bool same = expected.has_value() == got.has_value() &&
                          (!expected || (*expected == *got && std::signbit(*expected) == std::signbit(*got)));
        if (!same && disagreements.size() < 20)
            disagreements.push_back(shown(text, separator) + ": reference " + shown(expected) +
                                    ", conversion " + shown(got));
        (expected ? accepted : rejected) += 1;
    }
};

std::string listed(const std::vector<std::string>& lines)
{
    std::string all;
    for (const auto& line : lines)
        all += line + "\n";
    return all;
}

TEST(ConversionDifferential, AgreesOnEveryTextOfUpToFourCharacters)
{
    Tally tally;
    for (const char separator : {',', '.'}) {
        std::vector<std::string> texts{""};
        for (int length = 1; length <= 4; ++length) {
            std::vector<std::string> longer;
            for (const auto& text : texts)
                if (text.size() == std::size_t(length - 1))
                    for (const char c : kAlphabet)
                        longer.push_back(text + c);
            texts.insert(texts.end(), longer.begin(), longer.end());
        }
        for (const auto& text : texts)
            tally.compare(text, separator);
    }
    EXPECT_TRUE(tally.disagreements.empty()) << listed(tally.disagreements);
    EXPECT_GT(tally.accepted, 1000);
}

// Texts shaped like numbers (spaces, sign, digits, separator, exponent), long
// enough to reach the limits of float and extended precision, with a share of
// them damaged by one random edit.
class NumberLikeTexts {
public:
    explicit NumberLikeTexts(unsigned seed) : random_(seed) {}

    std::string next(char separator)
    {
        std::string text(pick(0, 2), ' ');
        if (chance(0.4))
            text += chance(0.5) ? '-' : '+';
        text += digits(pick(0, 12));
        if (chance(0.6)) {
            text += separator;
            text += digits(pick(0, 25));
        }
        if (chance(0.6)) {
            text += chance(0.5) ? 'e' : 'E';
            if (chance(0.5))
                text += chance(0.5) ? '-' : '+';
            text += chance(0.5) ? nearRangeLimit() : digits(pick(0, 5));
        }
        text += std::string(pick(0, 2), ' ');
        if (chance(0.3))
            damage(text);
        return text;
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }

    std::string digits(int count)
    {
        std::string out;
        const bool zeros = chance(0.2);
        for (int i = 0; i < count; ++i)
            out += zeros && chance(0.7) ? '0' : char('0' + pick(0, 9));
        return out;
    }

    // Exponents where float overflows or goes subnormal, where extended
    // precision gives out, and where exponent reading stops.
    std::string nearRangeLimit()
    {
        static constexpr int kLimits[] = {38, 39, 45, 46, 4931, 4932, 4950, 4951, 499, 500, 5000};
        const int limit = kLimits[pick(0, int(std::size(kLimits)) - 1)];
        return std::string(pick(0, 2), '0') + std::to_string(limit + pick(-2, 2));
    }

    void damage(std::string& text)
    {
        const char c = kAlphabet[std::size_t(pick(0, int(kAlphabet.size()) - 1))];
        const std::size_t at = std::size_t(pick(0, int(text.size())));
        switch (pick(0, 2)) {
        case 0:
            text.insert(at, 1, c);
            break;
        case 1:
            if (at < text.size())
                text[at] = c;
            break;
        default:
            if (at < text.size())
                text.erase(at, 1);
            break;
        }
    }

    std::mt19937 random_;
};

TEST(ConversionDifferential, AgreesOnRandomNumberLikeTexts)
{
    constexpr unsigned kSeed = 20261211;
    constexpr int kTexts = 200000;
    NumberLikeTexts texts(kSeed);
    Tally tally;
    for (int i = 0; i < kTexts; ++i) {
        const char separator = i % 2 ? '.' : ',';
        tally.compare(texts.next(separator), separator);
    }
    EXPECT_TRUE(tally.disagreements.empty()) << listed(tally.disagreements);
    // Both outcomes must be well represented, or the comparison proves little.
    EXPECT_GT(tally.accepted, kTexts / 5);
    EXPECT_GT(tally.rejected, kTexts / 5);
}

} // namespace
