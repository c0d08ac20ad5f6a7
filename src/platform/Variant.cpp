#include "platform/Variant.h"

#include <cmath>
#include <functional>

#include "platform/Date.h"
#include "platform/TextFunctions.h"

namespace {

template <class... F>
struct Overload : F... {
  using F::operator()...;
};
template <typename... F>
Overload(F...) -> Overload<F...>;  // spelled out for compilers without aggregate deduction

// A double that holds a whole number within the 64-bit range, as that integer.
std::optional<std::int64_t> wholeValue(double value) {
  if (!(value >= -9223372036854775808.0 && value < 9223372036854775808.0)) return std::nullopt;
  const auto whole = static_cast<std::int64_t>(value);
  if (static_cast<double>(whole) != value) return std::nullopt;
  return whole;
}

std::optional<Color> colourFromHex(const std::string& digits) {
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  std::uint32_t value = 0;
  for (const char c : digits) {
    int d;
    if (c >= '0' && c <= '9')
      d = c - '0';
    else if (c >= 'a' && c <= 'f')
      d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
      d = c - 'A' + 10;
    else
      return std::nullopt;
    value = (value << 4) | static_cast<std::uint32_t>(d);
  }
  return Color{value};
}

}  // namespace

int Variant::Type() const {
  return std::visit(
      Overload{[](std::monostate) { return VarTypes::kNil; }, [](std::int64_t) { return VarTypes::kInteger; },
               [](double) { return VarTypes::kDouble; }, [](bool) { return VarTypes::kBoolean; },
               [](const std::string&) { return VarTypes::kString; }, [](Color) { return VarTypes::kColor; },
               [](const std::shared_ptr<Object>& object) {
                 return dynamic_cast<const Date*>(object.get()) != nullptr ? VarTypes::kDate
                                                                           : VarTypes::kObject;
               }},
      m_value);
}

std::string Variant::StringValue() const {
  return std::visit(
      Overload{[](std::monostate) { return std::string(); }, [](std::int64_t v) { return Str(v); },
               [](double v) { return Str(v); }, [](bool v) { return std::string(v ? "True" : "False"); },
               [](const std::string& v) { return v; },
               [](Color v) {
                 std::string digits = Hex(v.value);
                 return "&h" + std::string(8 - digits.size(), '0') + digits;
               },
               [](const std::shared_ptr<Object>& object) {
                 const auto* date = dynamic_cast<const Date*>(object.get());
                 return date != nullptr ? date->SQLDateTime() : std::string();
               }},
      m_value);
}

std::int64_t Variant::Int64Value() const {
  return std::visit(
      Overload{[](std::monostate) -> std::int64_t { return 0; }, [](std::int64_t v) { return v; },
               [](double v) { return TruncateToInt64(v); }, [](bool v) -> std::int64_t { return v ? 1 : 0; },
               [](const std::string& v) { return TruncateToInt64(Val(v)); },
               [](Color v) { return static_cast<std::int64_t>(v.value); },
               [](const std::shared_ptr<Object>&) -> std::int64_t { return 0; }},
      m_value);
}

double Variant::DoubleValue() const {
  return std::visit(
      Overload{[](std::monostate) { return 0.0; }, [](std::int64_t v) { return static_cast<double>(v); },
               [](double v) { return v; }, [](bool v) { return v ? 1.0 : 0.0; },
               [](const std::string& v) { return Val(v); },
               [](Color v) { return static_cast<double>(v.value); },
               [](const std::shared_ptr<Object>&) { return 0.0; }},
      m_value);
}

bool Variant::BooleanValue() const {
  return std::visit(
      Overload{[](std::monostate) { return false; }, [](std::int64_t v) { return v != 0; },
               [](double v) { return v != 0.0; }, [](bool v) { return v; },
               [](const std::string& v) { return v == "True" || v == "true"; }, [](Color) { return false; },
               [](const std::shared_ptr<Object>&) { return false; }},
      m_value);
}

std::shared_ptr<Object> Variant::ObjectValue() const {
  if (const auto* object = std::get_if<std::shared_ptr<Object>>(&m_value)) return *object;
  return nullptr;
}

std::shared_ptr<Date> Variant::DateValue() const {
  if (const auto* object = std::get_if<std::shared_ptr<Object>>(&m_value))
    return std::dynamic_pointer_cast<Date>(*object);
  if (const auto* text = std::get_if<std::string>(&m_value)) return Date::FromText(*text);
  return nullptr;
}

std::optional<Color> Variant::ColorValue() const {
  if (const auto* colour = std::get_if<Color>(&m_value)) return *colour;
  if (const auto* integer = std::get_if<std::int64_t>(&m_value))
    return Color{static_cast<std::uint32_t>(*integer)};
  if (const auto* text = std::get_if<std::string>(&m_value)) {
    if (text->size() > 2 && ((*text)[0] == '&') && ((*text)[1] == 'h' || (*text)[1] == 'H'))
      return colourFromHex(text->substr(2));
    if (text->size() > 1 && (*text)[0] == '#') return colourFromHex(text->substr(1));
  }
  return std::nullopt;
}

bool Variant::operator==(const Variant& other) const {
  const auto* i1 = std::get_if<std::int64_t>(&m_value);
  const auto* d1 = std::get_if<double>(&m_value);
  const auto* i2 = std::get_if<std::int64_t>(&other.m_value);
  const auto* d2 = std::get_if<double>(&other.m_value);
  if (d1 && d2) return *d1 == *d2 || (std::isnan(*d1) && std::isnan(*d2));
  if (i1 && d2) return wholeValue(*d2) == *i1;
  if (d1 && i2) return wholeValue(*d1) == *i2;
  if (m_value.index() != other.m_value.index()) return false;
  return std::visit(Overload{[](std::monostate) { return true; },
                             [&](std::int64_t v) { return v == std::get<std::int64_t>(other.m_value); },
                             [](double) { return false; },  // handled above
                             [&](bool v) { return v == std::get<bool>(other.m_value); },
                             [&](const std::string& v) { return v == std::get<std::string>(other.m_value); },
                             [&](Color v) { return v == std::get<Color>(other.m_value); },
                             [&](const std::shared_ptr<Object>& v) {
                               return v == std::get<std::shared_ptr<Object>>(other.m_value);
                             }},
                    m_value);
}

std::size_t Variant::Hash() const {
  return std::visit(
      Overload{[](std::monostate) -> std::size_t { return 0x9e3779b9u; },
               [](std::int64_t v) { return std::hash<std::int64_t>{}(v); },
               [](double v) -> std::size_t {
                 if (const auto whole = wholeValue(v)) return std::hash<std::int64_t>{}(*whole);
                 if (std::isnan(v)) return 0x7ff8u;
                 return std::hash<double>{}(v);
               },
               [](bool v) -> std::size_t { return v ? 0x51u : 0x50u; },
               [](const std::string& v) { return std::hash<std::string>{}(v); },
               [](Color v) { return std::hash<std::uint32_t>{}(v.value) ^ 0xc010u; },
               [](const std::shared_ptr<Object>& v) { return std::hash<const Object*>{}(v.get()); }},
      m_value);
}
