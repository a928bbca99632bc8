#include "interpretation/topic.h"

namespace vyn {

std::string MakeTopic(std::string_view firstName, std::string_view code) {
  std::string topic(firstName);
  topic += ':';
  topic += code;
  return topic;
}

std::string TopicCode(std::string_view topic, std::string_view firstName) {
  const std::size_t start = firstName.size() + 1;
  return start < topic.size() ? std::string(topic.substr(start)) : std::string();
}

bool TopicStartsWith(std::string_view topic, std::string_view firstName) {
  return topic.substr(0, firstName.size()) == firstName;
}

}  // namespace vyn
