#pragma once
#include <stdexcept>
#include <string>

namespace vyn {

// A failure of the chart engine, carrying its fixed English message.
class EHoroscopeException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace vyn
