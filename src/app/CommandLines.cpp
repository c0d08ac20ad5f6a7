#include "app/CommandLines.h"

#include "platform/Shell.h"
#include "platform/ShellWord.h"

namespace CommandLines {

namespace {
const char kWcPrefix[] = "wc -l ";
const char kSedDigits[] = " | sed 's/\\( *\\)\\([0-9]*\\)\\(.*\\)/\\2/'";
const char kTrPrefix[] = "tr '\\r' '\\n' < ";
const char kWcSedDigits[] = " | wc -l | sed 's/\\( *\\)\\([0-9]*\\)\\(.*\\)/\\2/'";
}  // namespace

std::string PlainCount(const std::string& shellPath) {
  return kWcPrefix + shellPath + kSedDigits;
}

std::string CarriageReturnCount(const std::string& shellPath) {
  return kTrPrefix + shellPath + kWcSedDigits;
}

std::string Split(std::int64_t linesPerFile, const std::string& sourceShellPath,
                  const std::string& folderShellPath, bool useTRtrick) {
  const std::string lines = std::to_string(linesPerFile);
  if (useTRtrick) {
    return kTrPrefix + sourceShellPath + " | split -a 4 -l " + lines + " - " + folderShellPath + "/";
  }
  return "split -a 4 -l " + lines + " " + sourceShellPath + " " + folderShellPath + "/";
}

std::string Rename(const std::string& folderShellPath, const std::string& shortFilename,
                   const std::string& suffix) {
  return "for FILENAME in " + folderShellPath + "/*; do mv \"$FILENAME\" \"$FILENAME\"-" +
         ShellWord(shortFilename + suffix) + "; done";
}

bool Failed(const Shell& shell) {
  return shell.ExitStatus() != 0 || !shell.ErrorOutput().empty();
}

}  // namespace CommandLines
