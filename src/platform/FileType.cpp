#include "platform/FileType.h"

#include <algorithm>

namespace {

std::vector<std::shared_ptr<FileType>>& registry() {
  static std::vector<std::shared_ptr<FileType>> types;
  return types;
}

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string::size_type start = 0;
  while (start <= text.size()) {
    const auto end = std::min(text.find(separator, start), text.size());
    parts.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

}  // namespace

std::vector<std::string> FileType::ExtensionList() const {
  std::vector<std::string> list;
  for (std::string part : split(Extensions, ';')) {
    if (!part.empty() && part.front() == '.') part.erase(0, 1);
    if (!part.empty()) list.push_back(part);
  }
  return list;
}

std::string FileType::ToText() {
  if (!m_registered) {
    m_registered = true;
    FileTypeRegistry::Register(shared_from_this());
  }
  return Name;
}

namespace FileTypeRegistry {

const std::vector<std::shared_ptr<FileType>>& All() {
  return registry();
}

void Register(std::shared_ptr<FileType> type) {
  auto& types = registry();
  if (type && std::find(types.begin(), types.end(), type) == types.end()) types.push_back(std::move(type));
}

std::shared_ptr<FileType> Find(const std::string& name) {
  for (const auto& type : registry()) {
    if (type->Name == name) return type;
  }
  return nullptr;
}

std::vector<std::string> DialogFilters(const std::string& filter) {
  std::vector<std::string> filters;
  std::string allPatterns;
  for (const std::string& name : split(filter, ';')) {
    const auto type = Find(name);
    if (!type) continue;
    std::string patterns;
    for (const std::string& extension : type->ExtensionList()) {
      patterns += (patterns.empty() ? "*." : " *.") + extension;
    }
    if (patterns.empty()) continue;
    filters.push_back(name + " (" + patterns + ")");
    allPatterns += (allPatterns.empty() ? "" : " ") + patterns;
  }
  if (filters.empty()) return {"All files (*)"};
  filters.insert(filters.begin(), "Text files (" + allPatterns + ")");
  return filters;
}

}  // namespace FileTypeRegistry
