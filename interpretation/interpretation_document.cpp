#include "interpretation/interpretation_document.h"

#include "engine/horoscope.h"
#include "interpretation/interp_record.h"
#include "interpretation/topic.h"
#include "interpretation/topic_list.h"
#include "interpretation/topic_texts.h"
#include "language/language.h"

namespace vyn {

std::vector<TDocumentGroup> BuildInterpretationDocument(const THoroscope& chart1,
                                                        TInterpTexts& texts,
                                                        const TLanguage& language) {
  const THoroscope* partner = chart1.Partner();
  const THoroscope* chart2 = partner && partner->Active() ? partner : nullptr;
  const TTopicList list = BuildTopicList(chart1, texts);
  const std::vector<std::string> captions =
      TopicCaptions(list, chart1, chart2, texts, language);
  std::vector<TDocumentGroup> groups(kTopicGroups);
  for (int g = 0; g < kTopicGroups; ++g)
    groups[static_cast<std::size_t>(g)].Title = language.GetToken(kFirstMainTitleToken + g);
  for (std::size_t i = 0; i < list.Topics.size(); ++i) {
    const std::string& topic = list.Topics[i];
    const int person = chart2 && !TopicStartsWith(topic, list.Names.Person1 + ":") ? 2 : 1;
    const std::string code =
        TopicCode(topic, person == 1 ? list.Names.Person1 : list.Names.Person2);
    TTopicTexts shown = TopicTexts(person, code, chart1, chart2, texts, language);
    if (shown.PersonLines.empty()) continue;
    groups[static_cast<std::size_t>(GroupOfTopic(list, i))].Topics.push_back(
        {person, code, captions[i], std::move(shown.Keyword), std::move(shown.PersonLines),
         std::move(shown.PartnerLines), std::move(shown.MutualLines),
         shown.MutualCaptionToken});
  }
  return groups;
}

}  // namespace vyn
