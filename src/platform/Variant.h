#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <variant>

#include "platform/Color.h"
#include "platform/Object.h"

class Date;

// Type codes of a Variant, as VarType reports them.
namespace VarTypes {
inline constexpr int kNil = 0;
inline constexpr int kInteger = 2;
inline constexpr int kDouble = 5;
inline constexpr int kDate = 7;
inline constexpr int kString = 8;
inline constexpr int kObject = 9;
inline constexpr int kBoolean = 11;
inline constexpr int kColor = 16;
}  // namespace VarTypes

// A tagged value: Nil, an integer (32 or 64 bits, both code 2), a double, a boolean, a text,
// a colour, or a shared object (a Date is an object with the date code). Objects are held by
// reference and compared by identity.
class Variant {
 public:
  Variant() = default;
  Variant(std::nullptr_t) {}
  Variant(int value) : m_value(static_cast<std::int64_t>(value)) {}
  Variant(long value) : m_value(static_cast<std::int64_t>(value)) {}
  Variant(long long value) : m_value(static_cast<std::int64_t>(value)) {}
  Variant(double value) : m_value(value) {}
  Variant(bool value) : m_value(value) {}
  Variant(std::string value) : m_value(std::move(value)) {}
  Variant(const char* value) : m_value(std::string(value)) {}
  Variant(Color value) : m_value(value) {}
  // A null pointer gives Nil.
  template <class T>
  requires std::is_base_of_v<Object, T> Variant(std::shared_ptr<T> object) {
    if (object) m_value = std::shared_ptr<Object>(std::move(object));
  }

  // The type code (VarTypes).
  int Type() const;
  bool IsNil() const { return m_value.index() == 0; }
  bool IsObject() const { return std::holds_alternative<std::shared_ptr<Object>>(m_value); }

  // Conversions; a value that cannot be converted gives 0, 0.0, false, "" or nullptr.
  // Integer text form for integers, "True"/"False", a date's text form, "&h" and eight hex
  // digits for a colour, "" for Nil and for objects other than dates.
  std::string StringValue() const;
  // Integers as they are, doubles truncated toward zero (clamped to the 64-bit range, NaN 0),
  // booleans 1 or 0, text through Val.
  std::int64_t Int64Value() const;
  double DoubleValue() const;
  bool BooleanValue() const;
  // The held object; nullptr when the value is not an object.
  std::shared_ptr<Object> ObjectValue() const;
  template <class T>
  std::shared_ptr<T> ObjectAs() const {
    return std::dynamic_pointer_cast<T>(ObjectValue());
  }
  // A date as it is, or text read by Date::FromText; nullptr when there is no such date.
  std::shared_ptr<Date> DateValue() const;
  // A colour as it is, an integer's low 32 bits, or text "&h"/"#" followed by hexadecimal
  // digits; nothing when the value is none of these.
  std::optional<Color> ColorValue() const;

  // Same kind and value; an integer equals a double of the same value; objects by identity.
  bool operator==(const Variant& other) const;
  // Consistent with ==.
  std::size_t Hash() const;

 private:
  std::variant<std::monostate, std::int64_t, double, bool, std::string, Color, std::shared_ptr<Object>>
      m_value;
};

// The type code of a value (VarTypes).
inline int VarType(const Variant& value) {
  return value.Type();
}

struct VariantHash {
  std::size_t operator()(const Variant& value) const { return value.Hash(); }
};
