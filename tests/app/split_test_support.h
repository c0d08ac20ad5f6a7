#pragma once
// Helpers shared by the split workflow's tests: run a command line through /bin/sh with its
// bytes untouched, and list or write files in a temporary folder.

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace splittest {

// A temporary folder removed with everything in it, whatever bytes the names hold.
class TempFolder {
 public:
  TempFolder() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/shardwick-test-XXXXXX";
    if (mkdtemp(pattern.data()) != nullptr) m_path = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    if (!m_path.empty()) std::filesystem::remove_all(m_path, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  bool valid() const { return !m_path.empty(); }
  const std::filesystem::path& path() const { return m_path; }

 private:
  std::filesystem::path m_path;
};

struct ShellRun {
  std::string out, err;
  int status = -1;
};

inline std::string ReadWhole(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteWhole(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// Runs command through /bin/sh -c in folder cwd, collecting standard output and error in files.
inline ShellRun RunSh(const std::string& command, const std::filesystem::path& cwd) {
  const auto outPath = cwd / ".run-out";
  const auto errPath = cwd / ".run-err";
  ShellRun run;
  const pid_t pid = fork();
  if (pid == 0) {
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (out < 0 || err < 0 || chdir(cwd.c_str()) != 0) _exit(127);
    dup2(out, 1);
    dup2(err, 2);
    execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) run.status = WEXITSTATUS(status);
  run.out = ReadWhole(outPath);
  run.err = ReadWhole(errPath);
  std::filesystem::remove(outPath);
  std::filesystem::remove(errPath);
  return run;
}

// The names of a folder's entries, sorted.
inline std::vector<std::string> Entries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

// Every path below root (relative, sorted), to prove that nothing else was created.
inline std::set<std::string> Tree(const std::filesystem::path& root) {
  std::set<std::string> paths;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
    paths.insert(std::filesystem::relative(entry.path(), root).string());
  return paths;
}

// n lines "line 1" ... "line n", each ended by eol.
inline std::string NumberedLines(int n, const std::string& eol = "\n") {
  std::ostringstream text;
  for (int i = 1; i <= n; ++i) text << "line " << i << eol;
  return text.str();
}

// Names that must reach the tools as literal words: each would do harm if the shell read it.
inline const std::vector<std::string>& HostileNames() {
  static const std::vector<std::string> names = {
      "it's;$x.csv",
      "$(touch PWNED).csv",
      "`touch PWNED`.txt",
      "a;touch PWNED;b.csv",
      "a & touch PWNED.csv",
      "a | touch PWNED.txt",
      "in<x>out.csv",
      "star*?[ab].csv",
      "back\\slash\\n.csv",
      "blank and\ttab.csv",
      "line\nfeed.csv",
      "-n.csv",
      "~root.txt",
      "\"dq\" 'sq'.csv",
      "#hash {brace} (paren).txt",
      "raw\xFF\xFE bytes.csv",
      "$HOME.tsv",
  };
  return names;
}

}  // namespace splittest
