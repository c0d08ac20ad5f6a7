#include "platform/Collection.h"

#include "platform/Exceptions.h"

const Variant& Collection::Item(std::int64_t n) const {
  if (n < 1 || n > Count()) throw OutOfBoundsException("Collection item out of range");
  return m_items[static_cast<std::size_t>(n - 1)].first;
}

void Collection::Remove(std::int64_t n) {
  if (n < 1 || n > Count()) throw OutOfBoundsException("Collection item out of range");
  m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(n - 1));
}
