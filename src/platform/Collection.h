#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/Object.h"
#include "platform/Variant.h"

// An ordered list of Variant items numbered from 1, shared by reference. An item may carry a
// text key.
class Collection : public Object {
 public:
  std::int64_t Count() const { return static_cast<std::int64_t>(m_items.size()); }
  // Appends value at the end.
  void Add(Variant value, std::string key = std::string()) {
    m_items.emplace_back(std::move(value), std::move(key));
  }
  // The item numbered n (from 1); raises OutOfBoundsException outside 1..Count().
  const Variant& Item(std::int64_t n) const;
  // Removes the item numbered n; raises OutOfBoundsException outside 1..Count().
  void Remove(std::int64_t n);

 private:
  std::vector<std::pair<Variant, std::string>> m_items;
};
