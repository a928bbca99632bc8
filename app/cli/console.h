#pragma once
// What vyn-cli writes: results on standard output, checked once written;
// errors and warnings as single lines on standard error; the exit statuses.
#include <stdexcept>
#include <string>
#include <string_view>

namespace vyn::cli {

inline constexpr int kExitUsage = 1;
inline constexpr int kExitBadInput = 2;
inline constexpr int kExitDamagedInstallation = 3;
inline constexpr int kExitOutputFailure = 4;

// Standard output could not take the result (full, closed).
class EOutputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The text on one line: line breaks, tabs and other control characters
// become single blanks, and blanks at either end go.
std::string OneLine(std::string_view text);

// Writes the result and flushes; throws EOutputError when the stream
// refuses it.
void WriteOutput(const std::string& text);

// "vyn-cli: <message>" on one line of standard error.
void PrintError(std::string_view message);
// "vyn-cli: warning: <message>" on one line of standard error.
void PrintWarning(std::string_view message);

}  // namespace vyn::cli
