#include "app/desktop/graphs/comp_graph.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTimer>
#include <array>
#include <exception>

#include "app/desktop/graphs/interp_form.h"
#include "app/desktop/message_boxes.h"
#include "app/desktop/program.h"
#include "app/desktop/views/view_texts.h"
#include "data/data_collection.h"
#include "graphics/graphs/compatibility_widget.h"
#include "graphics/graphs/press_codes.h"
#include "settings/orb_set_loader.h"

namespace vyn::desktop {
namespace {

// The orb sets of the compatibility matrices 1, 2, 3: wide, medium, tight.
constexpr std::array<int, 3> kMatrixTokens = {1016, 1015, 1014};
// The upper caption token of display rows 1..7; the lower one follows it.
constexpr std::array<int, kScoreCount + 1> kCaptionTokens = {0,    1377, 1379, 1371,
                                                             1375, 1373, 1381, 1383};
constexpr int kNoEntriesToken = 1200;
constexpr int kNoTextToken = 1006;
constexpr const char* kHelpCode = "Q52";

}  // namespace

TCompGraph::TCompGraph(TProgram& program, TGraphServices services, QWidget* parent)
    : QWidget(parent),
      program_(program),
      services_(std::move(services)),
      compatibility1_(new TCompatibilityWidget(this)),
      panel1_(new THelpPanel(this)),
      memo1_(NewHelpMemo(this, QStringLiteral("Memo1"))),
      pMenu_(new QMenu(this)) {
  setObjectName(QStringLiteral("CompGraph"));
  compatibility1_->setObjectName(QStringLiteral("Compatibility1"));
  panel1_->setObjectName(QStringLiteral("Panel1"));
  pMenu_->setObjectName(QStringLiteral("pMenu"));
  compatibility1_->onBarClick = [this](const TBarPress& press, const QPoint& point) {
    BarClick(press, point);
  };
  compatibility1_->OnMouseHit = [this] { memo1_->hide(); };
  connect(panel1_, &THelpPanel::helpPressed, this, &TCompGraph::ToggleHelp);
  connect(panel1_, &THelpPanel::clicked, memo1_, &QWidget::hide);
  connect(&program_, &TProgram::LanguageChanged, this, &TCompGraph::Retranslate);
  // A changed pair (another person loaded, a chart recalculated) is taken
  // over once the changes of one step are through.
  refresh_ = new QTimer(this);
  refresh_->setSingleShot(true);
  refresh_->setInterval(0);
  connect(refresh_, &QTimer::timeout, this, &TCompGraph::Initialise);
  connect(&program_, &TProgram::ChartsChanged, refresh_, qOverload<>(&QTimer::start));
  Initialise();
}

void TCompGraph::PrepareChart(THoroscope& chart, const THoroscope& source) {
  chart.SetActive(false);
  chart.SetAspectMode(source.AspectMode());
  chart.SetFromYear(source.FromYear());
  chart.SetToYear(source.ToYear());
  chart.Assign(source);
}

void TCompGraph::Initialise() {
  Retranslate();
  PrepareChart(horoscope1_, program_.Chart(1));
  PrepareChart(horoscope2_, program_.Chart(2));
  horoscope1_.SetPartner(&horoscope2_);
  horoscope2_.SetPartner(&horoscope1_);
  TCompatibility& graph = compatibility1_->Graph();
  try {
    TVynTable& definitions = program_.Tables().Table(TTableRole::trOrbDefinitions);
    const std::string wide = program_.Language().GetToken(kMatrixTokens[0]);
    for (THoroscope* chart : {&horoscope1_, &horoscope2_}) {
      try {
        LoadNamedOrbSet(definitions, *chart, wide);
      } catch (const EOrbSetError&) {
        chart->SetActive(true);  // the chart's own orbs then
      }
    }
    for (int m = 1; m <= 3; ++m) {
      try {
        graph.Scores().SetOrbMatrix(
            m, ReadOrbSet(definitions, program_.Language().GetToken(kMatrixTokens[m - 1])));
      } catch (const EOrbSetError&) {
        graph.Scores().SetOrbMatrix(m, {});  // a set the language lacks scores nothing
      }
    }
  } catch (const std::exception&) {
    // Without the orb table the charts keep their orbs and nothing scores.
    horoscope1_.SetActive(true);
    horoscope2_.SetActive(true);
  }
  graph.SetHoroscope1(program_.SlotLoaded(1) ? &horoscope1_ : nullptr);
  graph.SetHoroscope2(program_.SlotLoaded(2) ? &horoscope2_ : nullptr);
  graph.Recompute();
  compatibility1_->update();
}

void TCompGraph::Retranslate() {
  setWindowTitle(TokenOr(program_, 1270, "Compatibility Graph"));
  TCompatibility& graph = compatibility1_->Graph();
  const TLanguage& language = program_.Language();
  for (int row = 1; row <= kScoreCount; ++row)
    graph.SetCaptions(row, language.GetToken(kCaptionTokens[row]),
                      language.GetToken(kCaptionTokens[row] + 1));
  graph.HarmonyLabel = language.GetToken(1278);
  graph.TensionLabel = language.GetToken(1279);
  panel1_->SetText(TokenOr(program_, 1280, "Compatibility Graph"));
  memo1_->setPlainText(HelpText(program_, kHelpCode));
  Arrange();
  compatibility1_->update();
}

// ---- layout and help ----------------------------------------------------------------

void TCompGraph::Arrange() {
  const int w = width(), h = height();
  const int panelHeight = panel1_->sizeHint().height();
  const int panelWidth = std::min(w - 2, std::max(panel1_->sizeHint().width(), w / 2));
  compatibility1_->setGeometry(1, 1, w - 2, std::max(0, h - panelHeight - 9));
  panel1_->setGeometry((w - panelWidth) / 2, h - panelHeight - 5, panelWidth, panelHeight);
}

void TCompGraph::resizeEvent(QResizeEvent*) {
  Arrange();
  memo1_->setPlainText(HelpText(program_, kHelpCode));
  memo1_->hide();
}

void TCompGraph::ToggleHelp() {
  const QRect panel = panel1_->geometry();
  const int top = std::max(0, panel.top() - 2 - height() / 2);
  memo1_->setGeometry(panel.left(), top, panel.width(), panel.top() - 2 - top);
  memo1_->setVisible(!memo1_->isVisible());
  memo1_->raise();
}

void TCompGraph::mousePressEvent(QMouseEvent* event) {
  memo1_->hide();
  QWidget::mousePressEvent(event);
}

void TCompGraph::hideEvent(QHideEvent* event) {
  memo1_->hide();
  QWidget::hideEvent(event);
}

void TCompGraph::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) memo1_->hide();
  QWidget::changeEvent(event);
}

// ---- presses --------------------------------------------------------------------

const std::vector<TScoreEntry>& TCompGraph::Entries() const {
  const TPersonScores& person = compatibility1_->Graph().Scores().Person(press_.userNum);
  const int index = kRowScoreIndex[static_cast<std::size_t>(press_.barNum)];
  return press_.secNum == 1 ? person.harmonyEntries[static_cast<std::size_t>(index)]
                            : person.tensionEntries[static_cast<std::size_t>(index)];
}

void TCompGraph::BarClick(const TBarPress& press, const QPoint& point) {
  memo1_->hide();
  press_ = press;
  keyword_ = gauge_ = press.portion == "Graph";
  code_.clear();
  alternative_.clear();
  levelCode_.clear();
  videoFile_.clear();
  const TCompatibilityScores& scores = compatibility1_->Graph().Scores();
  if (press.portion == "Graph") return OfferEntries(point);
  if (press.portion == "Harmony") {
    code_ = OverallCode(true, scores.OverallHarmony());
  } else if (press.portion == "Tension") {
    code_ = OverallCode(false, scores.OverallTension());
  } else if (press.portion == "Center Button") {
    const std::string body = RowCode(press.barNum);
    const TAreaCodes codes = AreaButtonCodes(press.barNum, horoscope1_.GetSignCode(body),
                                             horoscope2_.GetSignCode(body));
    code_ = codes.code;
    alternative_ = codes.alternative;
  } else if (press.portion == "Planet Symbol") {
    const TPersonScores& person = scores.Person(press.userNum);
    const auto index = static_cast<std::size_t>(kRowScoreIndex[static_cast<std::size_t>(press.barNum)]);
    const TGlyphCodes codes =
        GlyphButtonCodes(press.barNum, person.harmonyPercent[index], person.tensionPercent[index]);
    code_ = codes.code;
    levelCode_ = codes.level;
    const std::string body = RowCode(press.barNum);
    videoFile_ = QString::fromStdString(GlyphVideoFile(
        press.barNum, services_.videoDrive, program_.Chart(press.userNum).GetSignCode(body)));
  } else {
    return;
  }
  ShowText();
}

void TCompGraph::OfferEntries(const QPoint& point) {
  const std::vector<TScoreEntry>& entries = Entries();
  if (entries.empty()) return InformationToken(this, program_.Language(), kNoEntriesToken);
  pMenu_->clear();
  for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
    const std::optional<TInterpRecord> record = LookUpText(program_, entries[static_cast<std::size_t>(i)].key);
    if (!record) continue;  // a contact without a text is not offered
    QAction* item = pMenu_->addAction(QString::fromStdString(record->Title));
    connect(item, &QAction::triggered, this, [this, i] { ShowText(i); });
  }
  if (pMenu_->isEmpty()) return InformationToken(this, program_.Language(), kNoTextToken);
  pMenu_->popup(compatibility1_->mapToGlobal(point));
}

void TCompGraph::ShowText(int entry) {
  int person = press_.userNum == 2 ? 2 : 1;
  int other = person == 1 ? 2 : 1;
  int gaugeValue = 0;
  if (press_.portion == "Graph") {
    const std::vector<TScoreEntry>& entries = Entries();
    if (entry < 0 || entry >= static_cast<int>(entries.size())) return;
    code_ = entries[static_cast<std::size_t>(entry)].key;
    gaugeValue = std::atoi(entries[static_cast<std::size_t>(entry)].score.c_str());
  }
  std::optional<TInterpRecord> record = LookUpText(program_, code_);
  if (!record && press_.portion == "Center Button" && !alternative_.empty()) {
    record = LookUpText(program_, alternative_);
    if (record) {
      person = 2;
      other = 1;
    }
  }
  if (!record) return InformationToken(this, program_.Language(), kNoTextToken);

  const bool video = press_.portion == "Planet Symbol" && !videoFile_.isEmpty();
  TfrmInterp form(program_, window());
  form.SetKeywordBarShown(keyword_);
  form.SetGauge(gauge_, gaugeValue);
  if (video)
    form.SetVideo(videoFile_, [this, &form](const QString& file) {
      if (services_.playClip) services_.playClip(&form, file);
    });
  const THoroscope& personChart = program_.Chart(person);
  const THoroscope& partnerChart = program_.Chart(other);
  form.SetKeyword(QString::fromStdString(record->Title));
  form.SetText(ExpandedText(program_, *record, personChart, &partnerChart));
  if (press_.portion == "Planet Symbol" && !levelCode_.empty()) {
    if (const std::optional<TInterpRecord> level = LookUpText(program_, levelCode_))
      form.AppendText(ExpandedText(program_, *level, personChart, &partnerChart));
  }
  compatibility1_->update();
  form.exec();
}

}  // namespace vyn::desktop
