#include "app/cli/json_reader.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

#include "app/core/input_error.h"

namespace vyn::cli {
namespace {

using nlohmann::json;
using core::EInputError;

// nlohmann's out-of-range error for a number that overflows a double.
constexpr int kNumberOverflow = 406;

// Builds the document through nlohmann's DOM builder while keeping the path
// of the value being read, and refuses nesting past kMaxJsonDepth before
// the deeper levels are built.
class TBoundedBuilder {
 public:
  TBoundedBuilder(json& result, std::string source)
      : dom_(result), source_(std::move(source)) {}

  bool null() { return Done(dom_.null()); }
  bool boolean(bool v) { return Done(dom_.boolean(v)); }
  bool number_integer(json::number_integer_t v) { return Done(dom_.number_integer(v)); }
  bool number_unsigned(json::number_unsigned_t v) { return Done(dom_.number_unsigned(v)); }
  bool number_float(json::number_float_t v, const json::string_t& s) {
    return Done(dom_.number_float(v, s));
  }
  bool string(json::string_t& v) { return Done(dom_.string(v)); }
  bool binary(json::binary_t& v) { return Done(dom_.binary(v)); }
  bool start_object(std::size_t n) {
    Enter(false);
    return dom_.start_object(n);
  }
  bool key(json::string_t& k) {
    frames_.back().key = k;
    return dom_.key(k);
  }
  bool end_object() { return Leave(dom_.end_object()); }
  bool start_array(std::size_t n) {
    Enter(true);
    return dom_.start_array(n);
  }
  bool end_array() { return Leave(dom_.end_array()); }
  bool parse_error(std::size_t, const std::string& token,
                   const nlohmann::detail::exception& e) {
    if (e.id == kNumberOverflow)
      throw EInputError(Path(), "must be a finite number (" + token +
                                    " is beyond the range of numbers)");
    throw EInputError(source_, std::string("not valid JSON (") + e.what() + ")");
  }

 private:
  struct TFrame {
    bool array = false;
    std::size_t index = 0;  // of the element being read, in an array
    std::string key;        // of the member being read, in an object
  };

  void Enter(bool array) {
    if (frames_.size() >= kMaxJsonDepth)
      throw EInputError(Path(), "nests arrays and objects deeper than " +
                                    std::to_string(kMaxJsonDepth) + " levels");
    frames_.push_back({array, 0, {}});
  }
  bool Leave(bool result) {
    frames_.pop_back();
    return Done(result);
  }
  // A value is complete: the enclosing array moves to its next element.
  bool Done(bool result) {
    if (!frames_.empty() && frames_.back().array) ++frames_.back().index;
    return result;
  }
  // "charts[0].BirthDate" for the value being read; the source at the top.
  std::string Path() const {
    std::string path;
    for (const TFrame& f : frames_)
      path += f.array ? "[" + std::to_string(f.index) + "]"
                      : (path.empty() ? "" : ".") + f.key;
    return path.empty() ? source_ : path;
  }

  nlohmann::detail::json_sax_dom_parser<json> dom_;
  std::string source_;
  std::vector<TFrame> frames_;
};

std::string ReadAll(std::istream& in, const std::string& source) {
  std::ostringstream text;
  errno = 0;
  text << in.rdbuf();
  if (in.bad())
    throw EInputError(source, std::string("cannot be read (") + std::strerror(errno) + ")");
  return text.str();
}

}  // namespace

json ReadJson(std::istream& in, const std::string& source) {
  const std::string text = ReadAll(in, source);
  json result;
  TBoundedBuilder builder(result, source);
  json::sax_parse(text, &builder);
  return result;
}

json ReadJsonFile(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec))
    throw EInputError(path, "is a directory, not a JSON file");
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in)
    throw EInputError(path, std::string("cannot be opened (") + std::strerror(errno) + ")");
  return ReadJson(in, path);
}

}  // namespace vyn::cli
