#pragma once
// The topic list of the interpretation: every code of the two charts that
// the interpretation window offers, in four groups (Sun and Moon; the
// partnership points descendant, ascendant, descendant ruler and seventh
// house; Venus and Mars; the rest), each topic the person's first name, a
// colon and the code.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "interpretation/code_parts.h"

namespace vyn {

class THoroscope;
class TInterpTexts;
class TLanguage;
class TPairCodes;

inline constexpr int kTopicGroups = 4;

struct TTopicList {
  TPairNames Names;  // the first names of chart 1 and chart 2
  std::vector<std::string> Topics;
  std::array<int, kTopicGroups> GroupSizes{};  // topics each group added
};

// Builds the list from chart 1 and its partner chart 2 (nullptr when there
// is none: only chart 1's codes are built). Own codes are added without
// looking them up; aspect codes only when they have a record; overlay codes
// only with a partner. A contact both people have in the same form is
// listed for person 1 and then for person 2, next to each other; no topic
// is listed twice.
TTopicList BuildTopicList(const TPairCodes& chart1, const TPairCodes* chart2,
                          TInterpTexts& texts);
// The same for a chart record and its partner, when that is active.
TTopicList BuildTopicList(const THoroscope& chart1, TInterpTexts& texts);

// Only the aspect topics, or only the overlay-aspect topics, that the list
// holds for `body` ("SU", "AS", "DR", ...), in list order; the group sizes
// stay zero. The printout sets them out body by body.
TTopicList AspectTopics(const TPairCodes& chart1, const TPairCodes* chart2,
                        TInterpTexts& texts, std::string_view body);
TTopicList OverlayAspectTopics(const TPairCodes& chart1, const TPairCodes* chart2,
                               TInterpTexts& texts, std::string_view body);

// Whether the code is listed for either person; for an aspect code ("Asps")
// the reversed form (second body, polarity, first body) counts too.
bool IsListed(const TTopicList& list, std::string_view code);

// The index of the topic of `code` for the current person (1 or 2), else
// for the other person; nothing when neither is listed.
std::optional<std::size_t> FindTopic(const TTopicList& list, std::string_view code,
                                     int currentPerson);

// The group (0 to 3) that holds the topic at `index`.
int GroupOfTopic(const TTopicList& list, std::size_t index);

// One caption per topic: the person's first name, ": " and the first line
// of the code's menu title after placeholder expansion for that person
// (empty when the code has no record). `chart2` is nullptr without partner.
std::vector<std::string> TopicCaptions(const TTopicList& list, const THoroscope& chart1,
                                       const THoroscope* chart2, TInterpTexts& texts,
                                       const TLanguage& language);

}  // namespace vyn
