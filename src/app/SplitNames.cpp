#include "app/SplitNames.h"

#include <cstdio>

#include "platform/FolderItem.h"

namespace {

// ASCII-only case folding: the extension test must not depend on the user's locale.
bool ContainsNoCase(const std::string& text, const std::string& lowerNeedle) {
  if (lowerNeedle.size() > text.size()) return false;
  for (std::size_t start = 0; start + lowerNeedle.size() <= text.size(); ++start) {
    bool match = true;
    for (std::size_t i = 0; i < lowerNeedle.size() && match; ++i) {
      char c = text[start + i];
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      match = c == lowerNeedle[i];
    }
    if (match) return true;
  }
  return false;
}

// The byte length of text less its last n characters. A character is one UTF-8 sequence; a byte
// that belongs to no valid sequence counts as one character of its own, so no name is refused.
std::size_t LengthWithoutLastChars(const std::string& text, int n) {
  std::size_t end = text.size();
  for (int removed = 0; removed < n && end > 0; ++removed) {
    std::size_t lead = end - 1;
    int continuation = 0;
    while (lead > 0 && continuation < 3 && (static_cast<unsigned char>(text[lead]) & 0xC0) == 0x80) {
      --lead;
      ++continuation;
    }
    const auto first = static_cast<unsigned char>(text[lead]);
    const int expected = first >= 0xF0 && first < 0xF8 ? 3 : first >= 0xE0 ? 2 : first >= 0xC0 ? 1 : 0;
    end = (continuation > 0 && expected == continuation) ? lead : end - 1;
  }
  return end;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  for (std::size_t hit; (hit = text.find(from, pos)) != std::string::npos; pos = hit + from.size()) {
    out.append(text, pos, hit - pos).append(to);
  }
  out.append(text, pos);
  text = std::move(out);
}

}  // namespace

SplitName DeriveSplitName(const std::string& fileName) {
  SplitName result{"", fileName};
  if (ContainsNoCase(fileName, ".csv")) {
    result.suffix = ".csv";
  } else if (ContainsNoCase(fileName, ".txt")) {
    result.suffix = ".txt";
  }
  if (!result.suffix.empty()) result.shortFilename.resize(LengthWithoutLastChars(fileName, 4));
  ReplaceAll(result.shortFilename, " ", "-");
  ReplaceAll(result.shortFilename, "(", "");
  ReplaceAll(result.shortFilename, ")", "");
  return result;
}

std::string RunFolderName(const std::string& shortFilename, std::int64_t counter) {
  std::string name = shortFilename + "_split";
  if (counter == 0) return name;
  char digits[32];
  std::snprintf(digits, sizeof digits, "%04lld", static_cast<long long>(counter));
  return name + "-" + digits;
}

std::shared_ptr<FolderItem> ChooseRunFolder(const FolderItem& outputFolder,
                                            const std::string& shortFilename) {
  for (std::int64_t counter = 0;; ++counter) {
    auto candidate = outputFolder.Child(RunFolderName(shortFilename, counter));
    if (!candidate || !candidate->NameInUse()) return candidate;
  }
}

std::int64_t PiecesFor(std::int64_t lineCount, std::int64_t linesPerFile) {
  if (lineCount < 1 || linesPerFile < 1) return 0;
  return lineCount / linesPerFile + (lineCount % linesPerFile != 0 ? 1 : 0);
}
