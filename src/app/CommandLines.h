#pragma once

#include <cstdint>
#include <string>

class Shell;

// The shell command lines of the split workflow. Paths arrive already quoted as shell words
// (FolderItem::ShellPath); text taken from a file's name enters only as one ShellWord.
namespace CommandLines {

// Prints the number of line feeds in the file at shellPath (digits and a line end); prints
// nothing when wc cannot read it.
std::string PlainCount(const std::string& shellPath);
// Prints the number of carriage returns and line feeds in the file, after turning every carriage
// return into a line feed; prints 0 when the file cannot be read.
std::string CarriageReturnCount(const std::string& shellPath);

// Cuts the file into pieces of linesPerFile lines named by four-letter tags inside folderShellPath,
// read through the carriage-return conversion when useTRtrick; split fails when the tags run out.
std::string Split(std::int64_t linesPerFile, const std::string& sourceShellPath,
                  const std::string& folderShellPath, bool useTRtrick);

// Renames every entry of the folder to its name + "-" + shortFilename + suffix; with no entry the
// literal pattern reaches mv, which fails.
std::string Rename(const std::string& folderShellPath, const std::string& shortFilename,
                   const std::string& suffix);

// True when the last command on shell exited with a status other than 0 or wrote to standard
// error: a pipeline's status is its last command's, which hides a failing wc, tr or redirection,
// and the rename loop's status hides every mv but the last.
bool Failed(const Shell& shell);

}  // namespace CommandLines
