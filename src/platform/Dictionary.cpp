#include "platform/Dictionary.h"

#include "platform/Exceptions.h"

const Variant& Dictionary::Value(const Variant& key) const {
  const auto found = m_index.find(key);
  if (found == m_index.end()) throw KeyNotFoundException("Dictionary has no key " + key.StringValue());
  return m_entries[found->second].second;
}

Variant Dictionary::Lookup(const Variant& key, const Variant& fallback) const {
  const auto found = m_index.find(key);
  return found == m_index.end() ? fallback : m_entries[found->second].second;
}

void Dictionary::SetValue(const Variant& key, Variant value) {
  const auto [position, added] = m_index.try_emplace(key, m_entries.size());
  if (added)
    m_entries.emplace_back(key, std::move(value));
  else
    m_entries[position->second].second = std::move(value);
}

const Variant& Dictionary::Key(std::int64_t i) const {
  if (i < 0 || i >= Count()) throw OutOfBoundsException("Dictionary position out of range");
  return m_entries[static_cast<std::size_t>(i)].first;
}

const Variant& Dictionary::ValueAt(std::int64_t i) const {
  if (i < 0 || i >= Count()) throw OutOfBoundsException("Dictionary position out of range");
  return m_entries[static_cast<std::size_t>(i)].second;
}

void Dictionary::Remove(const Variant& key) {
  const auto found = m_index.find(key);
  if (found == m_index.end()) throw KeyNotFoundException("Dictionary has no key " + key.StringValue());
  const std::size_t position = found->second;
  m_index.erase(found);
  m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(position));
  for (auto& entry : m_index)
    if (entry.second > position) --entry.second;
}

void Dictionary::Clear() {
  m_entries.clear();
  m_index.clear();
}
