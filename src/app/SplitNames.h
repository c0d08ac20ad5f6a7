#pragma once

#include <cstdint>
#include <memory>
#include <string>

class FolderItem;

// How the sub-files of one split are named: the extension they take and the file's short name.
struct SplitName {
  std::string suffix;         // ".csv", ".txt" or empty
  std::string shortFilename;  // used in the run folder's name and in every sub-file's name
};

// The suffix and short name for a file name; never fails (any bytes are accepted).
SplitName DeriveSplitName(const std::string& fileName);

// shortFilename + "_split" for counter 0, else with "-" and the counter in at least four digits.
std::string RunFolderName(const std::string& shortFilename, std::int64_t counter);

// The first run-folder candidate in outputFolder whose name is free (a link that leads nowhere
// takes its name as well); nullptr when no child item can be formed for the name.
std::shared_ptr<FolderItem> ChooseRunFolder(const FolderItem& outputFolder, const std::string& shortFilename);

// How many split tags exist (aaaa to zzzz): the most pieces one run can write.
inline constexpr std::int64_t kMaxPieces = 26 * 26 * 26 * 26;

// The number of pieces split writes for lineCount lines at linesPerFile; 0 when either is below 1.
std::int64_t PiecesFor(std::int64_t lineCount, std::int64_t linesPerFile);
