// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "CellConversion.h"

#include "Exception.h"

#include <charconv>
#include <cmath>
#include <cstddef>

namespace {

constexpr int kExponentLimit = 500;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipSpaces(std::string_view text, std::size_t i)
{
    while (i < text.size() && text[i] == ' ')
        ++i;
    return i;
}

std::size_t skipDigits(std::string_view text, std::size_t i)
{
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i;
}

// The halfway point between FLT_MAX and the next power of two: anything at or
// above it would round to infinity.
const long double kFloatOverflow = std::ldexp(2.0L - std::ldexp(1.0L, -24), 127);

} // namespace

std::string notAFloatMessage(std::string_view text)
{
    std::string message;
    message.reserve(text.size() + 40);
    message += '\'';
    message += text;
    message += "' is not a valid floating point value";
    return message;
}

float cellTextToFloat(std::string_view text, char decimalSeparator)
{
    const auto invalid = [text] { return EConvertError(notAFloatMessage(text)); };

    std::size_t i = skipSpaces(text, 0);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';

    const std::size_t intBegin = i;
    i = skipDigits(text, i);
    const std::string_view intDigits = text.substr(intBegin, i - intBegin);

    std::string_view fracDigits;
    bool hasSeparator = false;
    if (i < text.size() && text[i] == decimalSeparator) {
        hasSeparator = true;
        const std::size_t fracBegin = ++i;
        i = skipDigits(text, i);
        fracDigits = text.substr(fracBegin, i - fracBegin);
    }
    if (intDigits.empty() && fracDigits.empty() && !hasSeparator)
        throw invalid();

    long long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            negativeExponent = text[i++] == '-';
        // Reading stops once the exponent is this large; any further digit is
        // left over and makes the text invalid.
        while (i < text.size() && isDigit(text[i]) && exponent < kExponentLimit)
            exponent = exponent * 10 + (text[i++] - '0');
        if (negativeExponent)
            exponent = -exponent;
    }

    if (skipSpaces(text, i) != text.size())
        throw invalid();

    // Hand the accepted digits to the library in a locale-free form:
    // "<all digits>e<exponent less the fraction's length>".
    std::string normal;
    normal.reserve(intDigits.size() + fracDigits.size() + 24);
    normal += intDigits;
    normal += fracDigits;
    if (intDigits.empty() && fracDigits.empty())
        normal += '0';
    const long long scale = exponent - static_cast<long long>(fracDigits.size());
    normal += 'e';
    normal += std::to_string(scale);

    long double value = 0;
    const auto [end, error] =
        std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Out of range even for extended precision: too large is an error, too
        // small is zero. The decimal position of the first significant digit
        // tells the two apart.
        const std::size_t firstSignificant = normal.find_first_not_of('0');
        const long long magnitude =
            static_cast<long long>(intDigits.size()) - static_cast<long long>(firstSignificant) + exponent;
        if (magnitude > 0)
            throw invalid();
        value = 0;
    } else if (error != std::errc() || end != normal.data() + normal.size()) {
        throw invalid();
    }

    if (value >= kFloatOverflow)
        throw invalid();
    const float result = static_cast<float>(value);
    return negative ? -result : result;
}
