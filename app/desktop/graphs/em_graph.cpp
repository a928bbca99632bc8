#include "app/desktop/graphs/em_graph.h"

#include <QPlainTextEdit>
#include <QTimer>

#include "app/desktop/graphs/interp_form.h"
#include "app/desktop/program.h"
#include "app/desktop/views/view_texts.h"
#include "graphics/graphs/bar_graph_widget.h"
#include "graphics/graphs/press_codes.h"

namespace vyn::desktop {
namespace {

constexpr const char* kNoText = "Text not available";

void SetTexts(TBarGraph& graph, const TProgram& program, int titleToken) {
  const TLanguage& language = program.Language();
  graph.Title = language.GetToken(titleToken);
  for (int bar = 1; bar <= graph.Bars(); ++bar) graph.SetCaption(bar, language.GetToken(titleToken + bar));
}

}  // namespace

TEMGraph::TEMGraph(TProgram& program, QWidget* parent)
    : QWidget(parent),
      program_(program),
      modality1_(new TBarGraphWidget(TBarGraphKind::bkModality, this)),
      element1_(new TBarGraphWidget(TBarGraphKind::bkElement, this)),
      panel1_(new THelpPanel(this)),
      panel2_(new THelpPanel(this)),
      memo1_(NewHelpMemo(this, QStringLiteral("Memo1"))),
      memo2_(NewHelpMemo(this, QStringLiteral("Memo2"))) {
  setObjectName(QStringLiteral("EMGraph"));
  modality1_->setObjectName(QStringLiteral("Modality1"));
  element1_->setObjectName(QStringLiteral("Element1"));
  panel1_->setObjectName(QStringLiteral("Panel1"));
  panel2_->setObjectName(QStringLiteral("Panel2"));
  for (TBarGraphWidget* graph : {modality1_, element1_}) {
    const TBarGraphKind kind = graph->Graph().Kind();
    graph->onBarClick = [this, kind](int person, int bar, int points) {
      BarClick(kind, person, bar, points);
    };
    graph->OnMouseHit = [this] { HideHelp(); };
  }
  connect(panel1_, &THelpPanel::helpPressed, this, &TEMGraph::ToggleModalityHelp);
  connect(panel2_, &THelpPanel::helpPressed, this, &TEMGraph::ToggleElementHelp);
  connect(panel1_, &THelpPanel::clicked, memo2_, &QWidget::hide);
  connect(panel2_, &THelpPanel::clicked, memo1_, &QWidget::hide);
  connect(&program_, &TProgram::LanguageChanged, this, &TEMGraph::Retranslate);
  // A changed pair is counted again once the changes of one step are through.
  auto* refresh = new QTimer(this);
  refresh->setSingleShot(true);
  refresh->setInterval(0);
  connect(refresh, &QTimer::timeout, this, &TEMGraph::Initialise);
  connect(&program_, &TProgram::ChartsChanged, refresh, qOverload<>(&QTimer::start));
  Initialise();
}

TEMGraph::~TEMGraph() {
  // The graphs let go of the charts before the window goes.
  for (TBarGraphWidget* graph : {modality1_, element1_}) {
    graph->Graph().SetHoroscope1(nullptr);
    graph->Graph().SetHoroscope2(nullptr);
  }
}

void TEMGraph::Initialise() {
  Arrange();
  for (TBarGraphWidget* graph : {modality1_, element1_}) {
    graph->Graph().SetHoroscope1(program_.SlotLoaded(1) ? &program_.Chart(1) : nullptr);
    graph->Graph().SetHoroscope2(program_.SlotLoaded(2) ? &program_.Chart(2) : nullptr);
    graph->Graph().Recompute();
  }
  Retranslate();
}

void TEMGraph::Retranslate() {
  setWindowTitle(TokenOr(program_, 1250, "Element and Modality Graph"));
  SetTexts(element1_->Graph(), program_, 1251);
  SetTexts(modality1_->Graph(), program_, 1256);
  panel1_->SetText(TokenOr(program_, 1260, "Modality"));
  panel2_->SetText(TokenOr(program_, 1261, "Elements"));
  memo2_->setPlainText(HelpText(program_, "Q53", QString::fromLatin1(kNoText)));
  memo1_->setPlainText(HelpText(program_, "Q54", QString::fromLatin1(kNoText)));
  Arrange();
  modality1_->update();
  element1_->update();
}

// ---- layout and help ----------------------------------------------------------------

void TEMGraph::Arrange() {
  const int w = width(), h = height();
  const auto place = [w](THelpPanel* panel, int top) {
    const int width = std::min(w - 2, std::max(panel->sizeHint().width(), w / 2));
    panel->setGeometry((w - width) / 2, top, width, panel->sizeHint().height());
  };
  const int h1 = panel1_->sizeHint().height(), h2 = panel2_->sizeHint().height();
  modality1_->setGeometry(1, 1, w - 2, std::max(0, h / 2 - h1 - 20));
  place(panel1_, modality1_->geometry().bottom() + 1 + 5);
  const int elementTop = panel1_->geometry().bottom() + 1 + 2;
  element1_->setGeometry(1, elementTop, w - 2, std::max(0, h - h2 - 15 - elementTop));
  place(panel2_, h - h2 - 5);
}

void TEMGraph::resizeEvent(QResizeEvent*) { Arrange(); }

void TEMGraph::HideHelp() {
  memo1_->hide();
  memo2_->hide();
}

void TEMGraph::ToggleModalityHelp() {
  memo1_->hide();
  const QRect panel = panel1_->geometry();
  memo2_->setGeometry(panel.left(), panel.bottom() + 1 + 2, panel.width(),
                      std::max(40, height() / 3));
  memo2_->setVisible(!memo2_->isVisible());
  memo2_->raise();
}

void TEMGraph::ToggleElementHelp() {
  memo2_->hide();
  const QRect panel = panel2_->geometry();
  const int top = std::max(0, panel.top() - 2 - height() / 3);
  memo1_->setGeometry(panel.left(), top, panel.width(), panel.top() - 2 - top);
  memo1_->setVisible(!memo1_->isVisible());
  memo1_->raise();
}

void TEMGraph::mousePressEvent(QMouseEvent* event) {
  HideHelp();
  QWidget::mousePressEvent(event);
}

// ---- presses --------------------------------------------------------------------

void TEMGraph::BarClick(TBarGraphKind kind, int person, int bar, int points) {
  HideHelp();
  const int other = person == 1 ? 2 : 1;
  TBarGraphWidget* graph = kind == TBarGraphKind::bkElement ? element1_ : modality1_;
  const TBarCodes codes = BarPressCodes(kind, bar, points, graph->Graph().Counts().Points(other, bar));
  const THoroscope& chart = program_.Chart(person);
  // The combination text speaks of the other person as the partner.
  const THoroscope& partner = program_.Chart(other);
  TfrmInterp form(program_, window());
  form.SetKeywordBarShown(true);
  form.SetGauge(false);
  if (const std::optional<TInterpRecord> first = LookUpText(program_, codes.code)) {
    form.SetKeyword(QString::fromStdString(first->Title));
    form.SetText(ExpandedText(program_, *first, chart, &chart));
  }
  if (const std::optional<TInterpRecord> second = LookUpText(program_, codes.second))
    form.AppendText(ExpandedText(program_, *second, chart, &partner));
  form.exec();
}

}  // namespace vyn::desktop
