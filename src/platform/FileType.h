#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Object.h"

// A named document type. Converting it to text registers it (once) and yields its Name.
class FileType : public Object, public std::enable_shared_from_this<FileType> {
 public:
  std::string Name, Extensions, MacType, MacCreator, MimeType, ConformsTo, UTI;
  bool Imported = false;

  // The extensions without their dots, in order ("" entries dropped).
  std::vector<std::string> ExtensionList() const;
  // Registers this type when it is not registered yet; returns Name.
  std::string ToText();
  bool Registered() const { return m_registered; }

 private:
  bool m_registered = false;
};

namespace FileTypeRegistry {
// Every registered type, in registration order.
const std::vector<std::shared_ptr<FileType>>& All();
// Adds type at the end unless it is there already.
void Register(std::shared_ptr<FileType> type);
// The registered type called name; nullptr when none.
std::shared_ptr<FileType> Find(const std::string& name);
// Qt file-dialog name filters for the types named in filter (names separated by ";"), the
// first one joining all their patterns; unknown names are skipped, no match gives "All files (*)".
std::vector<std::string> DialogFilters(const std::string& filter);
}  // namespace FileTypeRegistry
