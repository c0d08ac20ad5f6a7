#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/Object.h"
#include "platform/Variant.h"

// A map from Variant keys to Variant values, shared by reference. Entries enumerate in
// insertion order; replacing a value keeps its position. Text keys compare case-sensitively.
class Dictionary : public Object {
 public:
  std::int64_t Count() const { return static_cast<std::int64_t>(m_entries.size()); }
  bool HasKey(const Variant& key) const { return m_index.find(key) != m_index.end(); }
  // The value under key; raises KeyNotFoundException when there is none.
  const Variant& Value(const Variant& key) const;
  // The value under key, or fallback when there is none.
  Variant Lookup(const Variant& key, const Variant& fallback) const;
  // Adds the entry, or replaces the value of an existing one in place.
  void SetValue(const Variant& key, Variant value);
  // The key at 0-based position i; raises OutOfBoundsException outside 0..Count()-1.
  const Variant& Key(std::int64_t i) const;
  // The value at 0-based position i; raises OutOfBoundsException outside 0..Count()-1.
  const Variant& ValueAt(std::int64_t i) const;
  // Removes the entry; raises KeyNotFoundException when there is none.
  void Remove(const Variant& key);
  void Clear();

 private:
  std::vector<std::pair<Variant, Variant>> m_entries;
  std::unordered_map<Variant, std::size_t, VariantHash> m_index;
};
