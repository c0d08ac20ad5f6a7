#pragma once

#include <stdexcept>
#include <string>

// The errors the platform raises where the design calls for an exception; every other failure
// is reported as a value.

// An operation was called on no object (a null dictionary, file or document).
class NilObjectException : public std::runtime_error {
 public:
  explicit NilObjectException(const std::string& what) : std::runtime_error(what) {}
};

// Text that is not a well-formed XML document this model accepts, or a document operation that
// cannot be carried out.
class XmlException : public std::runtime_error {
 public:
  explicit XmlException(const std::string& what) : std::runtime_error(what) {}
};

// A dictionary was asked for a key that it does not hold.
class KeyNotFoundException : public std::runtime_error {
 public:
  explicit KeyNotFoundException(const std::string& what) : std::runtime_error(what) {}
};

// An index outside a list's items.
class OutOfBoundsException : public std::runtime_error {
 public:
  explicit OutOfBoundsException(const std::string& what) : std::runtime_error(what) {}
};
