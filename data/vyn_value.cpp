#include "data/vyn_value.h"

namespace vyn {

TVynValue TVynValue::Blob(std::string bytes) {
  TVynValue value(std::move(bytes));
  value.type_ = TValueType::vtBlob;
  return value;
}

std::string TVynValue::Describe() const {
  switch (type_) {
    case TValueType::vtNull: return "null";
    case TValueType::vtInteger: return std::to_string(integer_);
    case TValueType::vtReal: return std::to_string(real_);
    case TValueType::vtText: return "\"" + bytes_ + "\"";
    case TValueType::vtBlob:
      return "blob of " + std::to_string(bytes_.size()) + " bytes";
  }
  return {};
}

}  // namespace vyn
