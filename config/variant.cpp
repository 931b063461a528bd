#include "config/variant.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace discmenu {

Variant Variant::Text(std::string utf8) {
  Variant v;
  v.kind_ = Kind::kText;
  v.text_ = std::move(utf8);
  return v;
}

Variant Variant::Number(double value, std::string text) {
  Variant v;
  v.kind_ = Kind::kNumber;
  v.number_ = value;
  v.text_ = std::move(text);
  return v;
}

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// True when `s` is an optional sign followed by digits only, with no
// superfluous leading zero: such an item gives back its own digits as text.
bool IsPlainWholeNumber(std::string_view s) {
  if (!s.empty() && (s[0] == '+' || s[0] == '-')) s.remove_prefix(1);
  if (s.empty()) return false;
  for (char c : s)
    if (!IsDigit(c)) return false;
  return s.size() == 1 || s[0] != '0';
}

}  // namespace

std::optional<double> ParseDecimal(std::string_view s) {
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t exp_digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++exp_digits;
    if (exp_digits == 0) return std::nullopt;
  }
  if (i != s.size()) return std::nullopt;

  // from_chars takes no leading '+'.
  std::string_view body = s;
  bool negative = false;
  if (body[0] == '+' || body[0] == '-') {
    negative = body[0] == '-';
    body.remove_prefix(1);
  }
  double value = 0;
  auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), value);
  if (ec != std::errc() || end != body.data() + body.size() || !std::isfinite(value))
    return std::nullopt;
  return negative ? -value : value;
}

std::string NumberText(double value) {
  if (value == 0) return "0";  // also for -0
  if (std::trunc(value) == value && std::fabs(value) < 1e15) {
    char buf[32];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(value));
    return std::string(buf, end);
  }
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, end);
}

Variant VariantFromUnquoted(std::string_view item) {
  if (item.empty()) return Variant();
  std::optional<double> n = ParseDecimal(item);
  if (!n) return Variant::Text(std::string(item));
  if (IsPlainWholeNumber(item)) {
    std::string_view digits = item[0] == '+' ? item.substr(1) : item;
    return Variant::Number(*n, std::string(digits == "-0" ? "0" : digits));
  }
  return Variant::Number(*n, NumberText(*n));
}

std::optional<double> FlagNumber(const Variant& v) {
  switch (v.kind()) {
    case Variant::Kind::kEmpty:
      return 0.0;
    case Variant::Kind::kNumber:
      return v.number();
    case Variant::Kind::kText: {
      std::string_view s = v.AsText();
      while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
      while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
      return ParseDecimal(s);
    }
  }
  return std::nullopt;
}

std::optional<bool> EqualsOne(const Variant& v) {
  const std::optional<double> n = FlagNumber(v);
  if (!n) return std::nullopt;
  return *n == 1.0;
}

}  // namespace discmenu
