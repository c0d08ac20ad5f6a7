#pragma once

// Base of every object a Variant can hold by reference (dictionaries, lists, byte blocks,
// file-system items, dates). Objects are shared through std::shared_ptr and compared by identity.
class Object {
 public:
  Object() = default;
  Object(const Object&) = default;
  Object& operator=(const Object&) = default;
  virtual ~Object() = default;
};
