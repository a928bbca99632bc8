#pragma once
// Interpretation topics: the first name of the person whose chart a code
// belongs to, a colon, and the code.
#include <string>
#include <string_view>

namespace vyn {

std::string MakeTopic(std::string_view firstName, std::string_view code);

// The code of a topic read as `firstName`'s: everything after the name and
// one more character; empty when the topic is not longer than that.
std::string TopicCode(std::string_view topic, std::string_view firstName);

// Whether `topic` begins with `firstName` (the topic is that person's
// when the two names differ; with equal names every topic is person 1's).
bool TopicStartsWith(std::string_view topic, std::string_view firstName);

}  // namespace vyn
