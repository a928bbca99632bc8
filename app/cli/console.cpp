#include "app/cli/console.h"

#include <cerrno>
#include <cstring>
#include <iostream>

namespace vyn::cli {

std::string OneLine(std::string_view text) {
  std::string line;
  bool blank = false;
  for (const char c : text) {
    const bool space = static_cast<unsigned char>(c) < 0x20 || c == 0x7F || c == ' ';
    if (space) {
      blank = !line.empty();
      continue;
    }
    if (blank) line += ' ';
    blank = false;
    line += c;
  }
  return line;
}

void WriteOutput(const std::string& text) {
  errno = 0;
  std::cout << text;
  std::cout.flush();
  if (!std::cout)
    throw EOutputError(std::string("standard output: the result could not be written (") +
                       (errno ? std::strerror(errno) : "stream error") + ")");
}

void PrintError(std::string_view message) {
  std::cerr << "vyn-cli: " << OneLine(message) << "\n";
}

void PrintWarning(std::string_view message) {
  std::cerr << "vyn-cli: warning: " << OneLine(message) << "\n";
}

}  // namespace vyn::cli
