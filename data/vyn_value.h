#pragma once
// One value as the table store holds it: null, an integer, a real, a text or
// a blob. Texts are UTF-8; blob bytes are kept in a std::string.
#include <cstdint>
#include <string>
#include <string_view>

namespace vyn {

enum class TValueType { vtNull, vtInteger, vtReal, vtText, vtBlob };

class TVynValue {
 public:
  TVynValue() = default;
  TVynValue(int value) : type_(TValueType::vtInteger), integer_(value) {}
  TVynValue(long value) : type_(TValueType::vtInteger), integer_(value) {}
  TVynValue(long long value) : type_(TValueType::vtInteger), integer_(value) {}
  TVynValue(double value) : type_(TValueType::vtReal), real_(value) {}
  TVynValue(std::string text) : type_(TValueType::vtText), bytes_(std::move(text)) {}
  TVynValue(std::string_view text) : TVynValue(std::string(text)) {}
  TVynValue(const char* text) : TVynValue(std::string(text)) {}

  static TVynValue Blob(std::string bytes);

  TValueType Type() const { return type_; }
  bool IsNull() const { return type_ == TValueType::vtNull; }
  std::int64_t Integer() const { return integer_; }
  double Real() const { return real_; }
  // The text or the blob bytes; empty for the other types.
  const std::string& Bytes() const { return bytes_; }

  // A readable rendering for messages: texts quoted, blobs by size.
  std::string Describe() const;

  friend bool operator==(const TVynValue&, const TVynValue&) = default;

 private:
  TValueType type_ = TValueType::vtNull;
  std::int64_t integer_ = 0;
  double real_ = 0;
  std::string bytes_;
};

}  // namespace vyn
