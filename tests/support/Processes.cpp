#include "support/Processes.h"

#include <sys/types.h>

#include <csignal>
#include <fstream>
#include <string>

bool processEnded(long pid) {
  if (::kill(pid_t(pid), 0) != 0) return true;
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  std::getline(stat, line);
  // The state follows the command name, which may itself hold ')'.
  const auto close = line.rfind(')');
  return close == std::string::npos || (close + 2 < line.size() && line[close + 2] == 'Z');
}
