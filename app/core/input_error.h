#pragma once
// Errors of outside input and of the installation, as the command line and
// the windows report them: each names what is at fault and the rule broken.
#include <stdexcept>
#include <string>

namespace vyn::core {

// A fault in what the user gave: names the field (or file) and the rule.
class EInputError : public std::runtime_error {
 public:
  EInputError(const std::string& field, const std::string& rule)
      : std::runtime_error(field + ": " + rule) {}
};

// A missing or damaged part of the installation (the database, one of its
// tables, the ephemeris file): names the part and what is wrong with it.
class EInstallationError : public std::runtime_error {
 public:
  EInstallationError(const std::string& part, const std::string& what)
      : std::runtime_error(part + ": " + what) {}
};

}  // namespace vyn::core
