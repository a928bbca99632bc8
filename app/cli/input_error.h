#pragma once
#include <stdexcept>
#include <string>

namespace vyn::cli {

// A fault in the command line's input: names the field and the rule broken.
class TInputError : public std::runtime_error {
 public:
  TInputError(const std::string& field, const std::string& rule)
      : std::runtime_error(field + ": " + rule) {}
};

}  // namespace vyn::cli
