#include "lang/leading_number.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

namespace tolmarin::lang {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double LeadingNumber(std::string_view text) {
  // Collect the number's characters without the blanks, then convert.
  std::string number;
  std::size_t i = 0;
  auto skipBlanks = [&] {
    while (i < text.size() && IsBlank(text[i])) ++i;
  };
  auto takeDigits = [&] {
    bool any = false;
    for (skipBlanks(); i < text.size() && IsDigit(text[i]); skipBlanks()) {
      number += text[i++];
      any = true;
    }
    return any;
  };

  skipBlanks();
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    number += text[i++];
  }
  bool mantissa = takeDigits();
  if (i < text.size() && text[i] == '.') {
    number += text[i++];
    mantissa = takeDigits() || mantissa;
  }
  if (!mantissa) {
    return 0;
  }
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    const std::size_t beforeExponent = i;
    const std::size_t lengthBefore = number.size();
    number += 'e';
    ++i;
    skipBlanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
      number += text[i++];
    }
    if (!takeDigits()) {
      // "12e" or "12e+" without digits: the exponent is not part of the number.
      i = beforeExponent;
      number.resize(lengthBefore);
    }
  }
  return std::strtod(number.c_str(), nullptr);
}

std::optional<int> LeadingInteger(std::string_view text, int minimum, int maximum) {
  const double rounded = std::nearbyint(LeadingNumber(text));  // ties to even
  if (!(rounded >= minimum && rounded <= maximum)) {
    return std::nullopt;
  }
  return static_cast<int>(rounded);
}

}  // namespace tolmarin::lang
