// The value of one install.ini item: nothing, a number or a text, decided by
// how the item was written.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace discmenu {

class Variant {
 public:
  enum class Kind { kEmpty, kNumber, kText };

  Variant() = default;
  static Variant Text(std::string utf8);
  // `text` is the number's text form as used in captions and paths.
  static Variant Number(double value, std::string text);

  Kind kind() const { return kind_; }
  bool IsEmpty() const { return kind_ == Kind::kEmpty; }
  bool IsNumber() const { return kind_ == Kind::kNumber; }
  bool IsText() const { return kind_ == Kind::kText; }
  // REQUIRES: IsNumber().
  double number() const { return number_; }

  // The text form: "" for empty, the decimal text of a number, a text as is.
  const std::string& AsText() const { return text_; }

  bool operator==(const Variant&) const = default;

 private:
  Kind kind_ = Kind::kEmpty;
  double number_ = 0;
  std::string text_;
};

// Reads `s` as a decimal number: optional sign, digits with an optional
// decimal point (".5" and "5." too), optional exponent. Nothing else may
// follow. Returns nothing for any other text and for values out of range.
std::optional<double> ParseDecimal(std::string_view s);

// The unquoted item `item` as a variant: a number when it reads as one,
// otherwise a text; "" gives the empty value. A whole number written without
// leading zeros keeps its digits as its text form, whatever its size.
Variant VariantFromUnquoted(std::string_view item);

// The decimal text of `value`: whole numbers without a point or exponent up
// to 15 digits, others in the shortest form that reads back the same value.
std::string NumberText(double value);

// The number a show flag compares as: empty counts as 0, a number as itself,
// a text that reads as a decimal number (spaces and tabs around it allowed)
// as that number. Any other text has none.
std::optional<double> FlagNumber(const Variant& v);

// The comparison of a show flag with the whole number 1, by FlagNumber. A
// text without a number gives nothing: the caller raises a type mismatch.
std::optional<bool> EqualsOne(const Variant& v);

}  // namespace discmenu
