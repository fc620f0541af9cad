// Reads the number a text starts with, the way the language files and the
// stored "Language" value are read.
#pragma once

#include <optional>
#include <string_view>

namespace tolmarin::lang {

// Skips blanks (spaces and tabs) before and between the characters of the
// number; takes an optional sign, digits, an optional decimal point with
// more digits and an optional exponent; stops at the first character that
// cannot continue it. No number gives 0.
double LeadingNumber(std::string_view text);

// LeadingNumber rounded to the nearest integer, halfway values to the even
// one. Empty when the value lies outside [minimum, maximum].
std::optional<int> LeadingInteger(std::string_view text, int minimum, int maximum);

}  // namespace tolmarin::lang
