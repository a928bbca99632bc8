#include "app/desktop/wheel/wheel_win.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <exception>

#include "app/core/person_record.h"
#include "app/desktop/message_boxes.h"
#include "app/desktop/program.h"
#include "app/desktop/settings_qt.h"
#include "app/desktop/views/person_drag.h"
#include "app/desktop/views/placement_keeper.h"
#include "app/desktop/wheel/related_bodies.h"
#include "app/desktop/wheel/switch_names.h"
#include "app/desktop/wheel/wheel_popup_menu.h"
#include "engine/horoscope.h"
#include "graphics/wheel/wheel_widget.h"
#include "language/qt/form_translation.h"

namespace vyn::desktop {
namespace {

constexpr int kPictureTitleToken = 1075;
constexpr const char* kPictureFilter = "Bitmap files (*.bmp *.BMP)";
constexpr int kWheelFontPixels = 11;
constexpr int kPlateFontPoints = 8;
constexpr int kPlatePadding = 8;

// The presses that are replayed after a language switch.
// The disc a wheel draws in a widget of `size`: presses and drops beside
// it go to what lies below (the wheel the twin layout overlaps, or the
// window).
QRegion DiscOf(QSize size) {
  const int side = std::min(size.width(), size.height());
  const QRect square((size.width() - side) / 2, (size.height() - side) / 2, side, side);
  return QRegion(square.adjusted(-1, -1, 1, 1), QRegion::Ellipse);
}

bool RemembersHit(TWheelHitType type) {
  return type == htPlanet || type == htSign || type == htHouse || type == htAxis;
}

QString AskForPicture(QWidget* parent, const QString& title) {
  return QFileDialog::getOpenFileName(parent, title, QString(), QString::fromLatin1(kPictureFilter));
}

std::optional<QColor> AskForColor(QWidget* parent, QColor current) {
  const QColor chosen = QColorDialog::getColor(current, parent);
  if (!chosen.isValid()) return std::nullopt;
  return chosen;
}

}  // namespace

TWheelWin::TWheelWin(TProgram& program, QWidget* parent)
    : QWidget(parent), program_(program), pictureChooser_(AskForPicture),
      colorChooser_(AskForColor) {
  setObjectName(QStringLiteral("WheelWin"));
  setAutoFillBackground(true);
  setMinimumSize(120, 120);
  setFocusPolicy(Qt::StrongFocus);  // for the menu key
  popup_ = new TWheelPopupMenu(this);
  CreateWheels();
  ConnectMenu();
  placement_ = new TPlacementKeeper(this, program.Setup(), wiWheel);
  Initialise();
}

TWheelWin::~TWheelWin() {
  // The charts stay with the program; the wheels leave them.
  for (TWheelWidget* widget : wheels_) {
    widget->removeEventFilter(this);
    widget->Wheel().OnChange = nullptr;
    widget->Wheel().OnMouseHit = nullptr;
    widget->Wheel().SetHoroscope(nullptr);
  }
}

void TWheelWin::CreateWheels() {
  QFont glyphs(QString::fromLatin1(kWheelFontFamily));
  glyphs.setPixelSize(kWheelFontPixels);
  QFont plateFont = QApplication::font();
  plateFont.setPointSize(kPlateFontPoints);
  for (int k = 1; k <= kWheelCount; ++k) {
    auto* widget = new TWheelWidget(this);
    widget->setObjectName(QStringLiteral("Wheel%1").arg(k));
    widget->setFont(glyphs);
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
    wheels_[static_cast<std::size_t>(k - 1)] = widget;

    auto* plate = new QLabel(this);
    plate->setObjectName(QStringLiteral("Panel%1").arg(k));
    plate->setFixedSize(kPlateSize);
    plate->setFont(plateFont);
    plate->setAlignment(Qt::AlignCenter);
    // A label, not a button: a thin frame around the name on the colour
    // of a text field.
    plate->setFrameStyle(QFrame::Box | QFrame::Plain);
    plate->setBackgroundRole(QPalette::Base);
    plate->setForegroundRole(QPalette::Text);
    QPalette frame = plate->palette();
    frame.setColor(QPalette::WindowText, frame.color(QPalette::Mid));
    plate->setPalette(frame);
    plate->setAutoFillBackground(true);
    plate->hide();
    plates_[static_cast<std::size_t>(k - 1)] = plate;
  }
  WheelOf(1).OnMouseHit = [this](TWheel& sender, TWheelHitType type, int ref) {
    Wheel1MouseHit(sender, type, ref);
  };
  WheelOf(2).OnMouseHit = [this](TWheel& sender, TWheelHitType type, int ref) {
    Wheel2MouseHit(sender, type, ref);
  };
  // The other wheels select and blink on their own and report to no one.
  for (int k = 3; k <= kWheelCount; ++k) WheelOf(k).OnMouseHit = [](TWheel&, TWheelHitType, int) {};
}

void TWheelWin::ConnectMenu() {
  const TWheelPopupMenu& menu = *popup_;
  connect(menu.BiWheel(), &QAction::triggered, this, &TWheelWin::ToggleBiWheel);
  connect(menu.SwitchNames(), &QAction::triggered, this, &TWheelWin::SwitchNames);
  connect(menu.InsertPicture(), &QAction::triggered, this, &TWheelWin::InsertPicture);
  connect(menu.RemovePicture(), &QAction::triggered, this, &TWheelWin::RemovePicture);
  connect(menu.BackColor(), &QAction::triggered, this, &TWheelWin::ChooseBackgroundColor);
  connect(menu.ColorMode(), &QAction::triggered, this, &TWheelWin::ToggleColorMode);
  connect(menu.UseMemory(), &QAction::triggered, this, &TWheelWin::ToggleMemory);
}

void TWheelWin::Initialise() {
  lastHit_ = {};
  const TWheelDrawingSettings& drawing = program_.Setup().WheelDrawing();
  const bool showAspects = !program_.Setup().System().HideAspects;
  for (int k = 1; k <= kWheelCount; ++k) {
    TWheel& wheel = WheelOf(k);
    wheel.SetHoroscope(&program_.Chart(k));
    wheel.SetBW(drawing.BW);
    wheel.SetOffScreen(drawing.UseMemory);
    wheel.SetShowAspects(showAspects);
    if (program_.Language().IsJapanese()) wheel.SetJapaneseAspectColors(true);
    // A new calculation ends the blinking of what was selected before.
    wheel.OnChange = [this](TWheel& changed) {
      changed.SetBlinking(false);
      ArrangeWheels();
    };
  }
  if (!drawing.PictureFile.empty()) {
    popup_->RemovePicture()->setVisible(true);
    // The picture of the last run comes back; one that has gone stays away
    // quietly, and can still be removed from the menu.
    const QImage picture(QString::fromStdString(drawing.PictureFile));
    if (!picture.isNull()) picture_ = picture;
  }
  if (drawing.BackgroundColor != kNoColor) {
    QPalette colours = palette();
    const QColor chosen = ColorOf(drawing.BackgroundColor, colours);
    if (chosen.isValid()) colours.setColor(QPalette::Window, chosen);
    setPalette(colours);
  }
  popup_->SetColorModeTag(drawing.BW);
  popup_->UseMemory()->setChecked(!drawing.UseMemory);
  WheelOf(1).SetRelationWheel(&WheelOf(2));
  SetLayout(wlTwin);
  Retranslate();
}

// ---- wheels and plates ---------------------------------------------------------

TWheelWidget* TWheelWin::Wheel(int k) const { return wheels_.at(static_cast<std::size_t>(k - 1)); }

QLabel* TWheelWin::Plate(int k) const { return plates_.at(static_cast<std::size_t>(k - 1)); }

TWheel& TWheelWin::WheelOf(int k) const { return Wheel(k)->Wheel(); }

THoroscope* TWheelWin::ChartOf(int k) const { return WheelOf(k).Horoscope(); }

// Wheels 1 and 2 show slots 1 and 2 and know each other; the second wheel
// is the inner ring of the first in the double layout.
void TWheelWin::LinkPair(bool doubleWheel) {
  TWheel& one = WheelOf(1);
  TWheel& two = WheelOf(2);
  two.SetHoroscope(&program_.Chart(2));
  one.SetHoroscope(&program_.Chart(1));
  two.SetBW(program_.Setup().WheelDrawing().BW);
  one.SetRelationWheel(&two);
  two.SetRelationWheel(&one);
  two.SetDualMode(false);
  one.SetDualMode(doubleWheel);
  Wheel(1)->update();
}

// Slots 1 and 2 become partners (their overlay aspects are what the wheels
// highlight), each calculated once.
void TWheelWin::PairCharts() {
  THoroscope& one = program_.Chart(1);
  THoroscope& two = program_.Chart(2);
  if (one.Partner() == &two && two.Partner() == &one) return;
  const bool oneActive = one.Active();
  const bool twoActive = two.Active();
  one.SetActive(false);
  two.SetActive(false);
  one.SetPartner(&two);
  two.SetPartner(&one);
  try {
    one.SetActive(oneActive);
    two.SetActive(twoActive);
  } catch (const std::exception& e) {
    ErrorBox(this, window()->windowTitle(), QString::fromStdString(e.what()));
  }
}

// A loaded person whose chart was not calculated (the start-up calculates
// only a pair) would show an empty wheel: the charts the layout shows are
// calculated now.
void TWheelWin::CalculateShownCharts() {
  const int shown = layout_ == wlTwin || layout_ == wlDouble ? 2 : layout_;
  for (int slot = 1; slot <= std::min(shown, kWheelCount); ++slot) {
    THoroscope& chart = program_.Chart(slot);
    if (!program_.SlotLoaded(slot) || chart.Active()) continue;
    try {
      chart.SetActive(true);
    } catch (const std::exception& e) {
      ErrorBox(this, window()->windowTitle(), QString::fromStdString(e.what()));
      return;
    }
  }
}

void TWheelWin::SetLayout(int code) {
  if (code < wlSingle || code > wlDouble) return;
  layout_ = code;
  CalculateShownCharts();
  switch (code) {
    case wlTwin: LinkPair(false); break;
    case wlDouble:
      LinkPair(true);
      PairCharts();
      break;
    default:
      // Wheels that stand alone draw their own aspect lines.
      WheelOf(1).SetRelationWheel(nullptr);
      WheelOf(2).SetRelationWheel(nullptr);
      break;
  }
  popup_->BiWheel()->setEnabled(code != wlSingle);
  popup_->SwitchNames()->setVisible(true);
  popup_->CaptionToggle(program_, DoubleShown());
  ArrangeWheels();
}

void TWheelWin::ArrangeWheels() {
  // An embedded page is never a maximised frame: nothing covers its top.
  const TWheelArrangement arrangement = ArrangementOf(layout_, size());
  for (std::size_t i = 0; i < wheels_.size(); ++i) {
    TWheelWidget* widget = wheels_[i];
    if (const auto& bounds = arrangement.wheels[i]) {
      widget->setGeometry(*bounds);
      widget->setMask(DiscOf(bounds->size()));
      widget->show();
    } else {
      widget->hide();
    }
  }
  for (std::size_t i = 0; i < plates_.size(); ++i) {
    QLabel* plate = plates_[i];
    const QString text = PlateText(static_cast<int>(i) + 1);
    const auto& corner = arrangement.plates[i];
    if (!corner || text.isEmpty()) {
      plate->hide();
      continue;
    }
    SetPlateText(static_cast<int>(i) + 1, text);
    plate->move(*corner);
    plate->show();
    plate->raise();
  }
}

QString TWheelWin::PlateText(int k) const {
  const THoroscope* chart = ChartOf(k);
  const QString name = chart ? QString::fromStdString(chart->FirstName()) : QString();
  if (name.isEmpty()) return {};
  if (DoubleShown()) return (k == 1 ? outerText_ : innerText_) + name;
  return name;
}

void TWheelWin::SetPlateText(int k, const QString& text) {
  QLabel* plate = Plate(k);
  const QString shown =
      plate->fontMetrics().elidedText(text, Qt::ElideRight, plate->width() - kPlatePadding);
  plate->setText(shown);
  plate->setToolTip(shown == text ? QString() : text);
}

void TWheelWin::Retranslate() {
  outerText_ = program_.LanguageText("Outer", "Outer: ");
  innerText_ = program_.LanguageText("Inner", "Inner: ");
  popup_->Retranslate(program_, DoubleShown());
  ArrangeWheels();
}

void TWheelWin::RedrawWheels() {
  for (TWheelWidget* widget : wheels_) widget->update();
}

void TWheelWin::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  ArrangeWheels();
}

void TWheelWin::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), picture_);  // at its own size, from the top-left corner
}

// ---- presses -------------------------------------------------------------------------

void TWheelWin::SetSelectionBar(TSelectionBarCalls* bar) { bar_ = bar ? bar : &noBar_; }

void TWheelWin::SetInterpretation(TInterpretationCalls* interpretation) {
  interpretation_ = interpretation ? interpretation : &noInterpretation_;
}

// Adds the bodies of the other chart related to `code` of the pressed one:
// on the other wheel, or on the other ring of a double wheel.
void TWheelWin::HighlightRelated(TWheel& sender, std::string_view code, bool inner) {
  TWheel* other = sender.RelationWheel();
  if (!other || !sender.Horoscope() || !other->Horoscope()) return;
  if (sender.DualMode()) {
    const THoroscope& pressed = inner ? *other->Horoscope() : *sender.Horoscope();
    const THoroscope& partner = inner ? *sender.Horoscope() : *other->Horoscope();
    for (int slot : RelatedBodies(pressed, code, partner))
      sender.SelectRing(false, htPlanet, !inner, slot);
    return;
  }
  for (int slot : RelatedBodies(*sender.Horoscope(), code, *other->Horoscope()))
    other->Select(false, htPlanet, slot);
}

// What a press on either of the two wheels does alike.
void TWheelWin::CommonHit(TWheel& sender, TWheelHitType type, int ref) {
  switch (type) {
    case htSign: bar_->FocusSign(ref - 1); break;
    case htHouse: bar_->FocusHouse(ref); break;
    case htCusp: bar_->FocusCusp(ref); break;
    case htAspect: bar_->FocusAspect(ref); break;
    case htAriesPoint: sender.SetAriesLeft(!sender.AriesLeft()); break;
    case htRightClick: OpenMenu(sender); break;
    default: break;
  }
}

void TWheelWin::Wheel1MouseHit(TWheel& sender, TWheelHitType type, int ref) {
  if (RemembersHit(type)) lastHit_ = {type, ref};
  if (layout_ != wlTwin && layout_ != wlDouble) return;
  // On a double wheel, a body or an angle knows its ring; other presses
  // count by where they fell.
  const bool inner = sender.DualMode() && (type == htPlanet || type == htAxis
                                               ? sender.LastHitInner()
                                               : sender.ChartAt(sender.MouseX(), sender.MouseY()) == 2);
  program_.SetCurrentSlot(inner ? 2 : 1);
  if (type != htRightClick && sender.RelationWheel())
    sender.RelationWheel()->Select(true, TWheel::kSelectNothing, 0);
  switch (type) {
    case htPlanet:
      bar_->FocusBody(ref - 1);
      if (sender.DualMode()) sender.SelectRing(true, htPlanet, inner, ref);
      HighlightRelated(sender, BodyCodeOfSlot(ref), inner);
      break;
    case htAxis:
      HighlightRelated(sender, AngleCodeOfAxis(ref), inner);
      bar_->FocusCusp(CuspOfAxis(ref));
      break;
    case htLeftClick: break;
    default: CommonHit(sender, type, ref); break;
  }
}

void TWheelWin::Wheel2MouseHit(TWheel& sender, TWheelHitType type, int ref) {
  if (RemembersHit(type)) lastHit_ = {type, ref};
  if (type != htRightClick && sender.RelationWheel())
    sender.RelationWheel()->Select(true, TWheel::kSelectNothing, 0);
  interpretation_->SetCurrentPerson(2);
  program_.SetCurrentSlot(2);
  switch (type) {
    case htPlanet:
      bar_->FocusBody(ref - 1);
      if (layout_ == wlTwin) HighlightRelated(sender, BodyCodeOfSlot(ref), false);
      break;
    case htAxis: bar_->FocusCusp(CuspOfAxis(ref)); break;
    case htLeftClick: bar_->ClearFocus(); break;
    default: CommonHit(sender, type, ref); break;
  }
}

void TWheelWin::ReplayLastHit() {
  if (layout_ == wlTwin && program_.CurrentSlot() == 2)
    Wheel2MouseHit(WheelOf(2), lastHit_.type, lastHit_.ref);
  else
    Wheel1MouseHit(WheelOf(1), lastHit_.type, lastHit_.ref);
}

void TWheelWin::Mark(int person, bool clearFirst, int hitType, int ref) {
  if (layout_ == wlTwin) WheelOf(person == 2 ? 2 : 1).Select(clearFirst, hitType, ref);
  else if (layout_ == wlDouble) WheelOf(1).SelectRing(clearFirst, hitType, person == 2, ref);
}

void TWheelWin::OpenMenu(TWheel& sender) {
  for (TWheelWidget* widget : wheels_)
    if (&widget->Wheel() == &sender)
      return OpenMenuAt(widget->mapToGlobal(QPoint(sender.MouseX(), sender.MouseY())));
}

void TWheelWin::OpenMenuAt(QPoint global) {
  QAction* colorMode = popup_->ColorMode();
  const QString caption = program_.Token(TagOf(colorMode));
  if (!caption.isEmpty()) colorMode->setText(caption);
  popup_->Menu()->popup(global);
}

void TWheelWin::contextMenuEvent(QContextMenuEvent* event) {
  // Presses open the menu through the wheels' own hit test.
  if (event->reason() != QContextMenuEvent::Keyboard) return event->ignore();
  // The first wheel offers it with two wheels or the double wheel, the
  // second whenever it is shown.
  const bool pair = layout_ == wlTwin || layout_ == wlDouble;
  TWheelWidget* wheel = pair ? Wheel(1) : Wheel(2);
  if (!wheel->isVisible()) return;
  OpenMenuAt(wheel->mapToGlobal(wheel->rect().center()));
  event->accept();
}

// ---- dragging people onto wheels --------------------------------------------------

int TWheelWin::WheelIndexOf(const QObject* widget) const {
  for (std::size_t i = 0; i < wheels_.size(); ++i)
    if (wheels_[i] == widget) return static_cast<int>(i) + 1;
  return 0;
}

bool TWheelWin::eventFilter(QObject* watched, QEvent* event) {
  const int k = WheelIndexOf(watched);
  if (k > 0 && HandleDrag(k, event)) return true;
  return QWidget::eventFilter(watched, event);
}

bool TWheelWin::HandleDrag(int k, QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      if (!drag->mimeData() || !DraggedPerson(*drag->mimeData())) {
        drag->ignore();
        return true;
      }
      drag->acceptProposedAction();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const auto person = drop->mimeData() ? DraggedPerson(*drop->mimeData()) : std::nullopt;
      if (!person) {
        drop->ignore();
        return true;
      }
      drop->acceptProposedAction();
      DropPerson(k, drop->position().toPoint(), *person);
      return true;
    }
    default: return false;
  }
}

// The person goes into the chart of the wheel dropped on, or into slot 2
// when dropped on the inner ring of the double wheel.
void TWheelWin::DropPerson(int k, QPoint at, const TDraggedPerson& person) {
  const bool innerRing = WheelOf(k).ChartAt(at.x(), at.y()) == 2;
  int slot = k;
  if (k == 2) slot = innerRing ? 1 : 2;
  else if (innerRing) slot = 2;
  THoroscope& chart = program_.Chart(slot);
  try {
    if (!core::LoadPersonIntoChart(program_.Tables(), person.firstName.toStdString(),
                                   person.lastName.toStdString(), chart)) {
      QApplication::beep();  // the person was deleted meanwhile
      return;
    }
    chart.SetActive(true);
  } catch (const std::exception& e) {
    ErrorBox(this, window()->windowTitle(), QString::fromStdString(e.what()));
    return;
  }
  program_.SetSlotFilled(slot, true);
  if (slot <= 2 && (layout_ == wlTwin || layout_ == wlDouble)) PairCharts();
  ArrangeWheels();
  interpretation_->RebuildTopics();
}

// ---- the pop-up menu's actions -------------------------------------------------------

void TWheelWin::ToggleBiWheel() {
  if (layout_ == wlSingle) return;
  SetLayout(DoubleShown() ? wlTwin : wlDouble);
}

void TWheelWin::SwitchNames() {
  try {
    SwitchPeople(program_);
  } catch (const std::exception& e) {
    ErrorBox(this, window()->windowTitle(), QString::fromStdString(e.what()));
  }
  ArrangeWheels();
  show();
}

void TWheelWin::InsertPicture() {
  QString title = program_.Token(kPictureTitleToken);
  if (title.isEmpty()) title = QStringLiteral("Choose a Background Picture");
  const QString file = pictureChooser_(this, title);
  if (file.isEmpty()) return;
  QImageReader reader(file);
  const QImage picture = reader.read();
  if (picture.isNull()) {
    ErrorBox(this, title, QStringLiteral("%1: %2").arg(file, reader.errorString()));
    return;
  }
  picture_ = picture;
  program_.Setup().WheelDrawing().PictureFile = file.toStdString();
  popup_->RemovePicture()->setVisible(true);
  update();
}

void TWheelWin::RemovePicture() {
  picture_ = QImage();
  popup_->RemovePicture()->setVisible(false);
  program_.Setup().WheelDrawing().PictureFile.clear();
  update();
}

QColor TWheelWin::BackgroundColor() const { return palette().color(QPalette::Window); }

void TWheelWin::ChooseBackgroundColor() {
  const std::optional<QColor> chosen = colorChooser_(this, BackgroundColor());
  if (!chosen || !chosen->isValid()) return;
  QPalette colours = palette();
  colours.setColor(QPalette::Window, *chosen);
  setPalette(colours);
  program_.Setup().WheelDrawing().BackgroundColor = StoredColorOf(*chosen);
}

void TWheelWin::ToggleColorMode() {
  bool& blackAndWhite = program_.Setup().WheelDrawing().BW;
  blackAndWhite = !blackAndWhite;
  for (TWheelWidget* widget : wheels_) widget->Wheel().SetBW(blackAndWhite);
  popup_->SetColorModeTag(blackAndWhite);
}

// The item is ticked while the wheels draw straight to the screen.
void TWheelWin::ToggleMemory() {
  const bool offScreen = !WheelOf(1).OffScreen();
  for (TWheelWidget* widget : wheels_) widget->Wheel().SetOffScreen(offScreen);
  program_.Setup().WheelDrawing().UseMemory = offScreen;
  popup_->UseMemory()->setChecked(!offScreen);
}

}  // namespace vyn::desktop
