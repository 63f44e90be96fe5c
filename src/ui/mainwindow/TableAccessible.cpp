// The card table for screen readers: one child per place of the table,
// named from the engine, and the events that tell of changes.

#include "ui/mainwindow/TableAccessible.h"

#include "game/GameEngine.h"
#include "ui/mainwindow/TableImage.h"

namespace {

// One place of the table: the stock, a column or a home pile.
class TPlaceAccessible : public QAccessibleInterface {
 public:
  TPlaceAccessible(TTableImage* table, int place) : FTable(table), FPlace(place) {}

  bool isValid() const override { return !FTable.isNull() && FTable->Engine() != nullptr; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return Parent() != nullptr ? Parent()->window() : nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return Parent(); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void setText(QAccessible::Text, const QString&) override {}
  QAccessible::Role role() const override { return QAccessible::ListItem; }

  QString text(QAccessible::Text t) const override {
    if (!isValid())
      return {};
    if (t == QAccessible::Name)
      return FTable->Engine()->PlaceName(FPlace);
    if (t == QAccessible::Description && Framed())
      return FTable->Engine()->FocusDescription();
    return {};
  }

  QRect rect() const override {
    if (!isValid())
      return {};
    // The engine lays out in table pixels; fitted cards make them larger.
    const QRect area = FTable->WindowArea(FTable->Engine()->PlaceRect(FPlace));
    return {FTable->mapToGlobal(area.topLeft()), area.size()};
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    state.focusable = true;
    state.selectable = true;
    if (!isValid())
      return state;
    state.focused = FTable->hasFocus() && Framed();
    state.selected = HoldsPick();
    return state;
  }

 private:
  QAccessibleInterface* Parent() const {
    return FTable.isNull() ? nullptr : QAccessible::queryAccessibleInterface(FTable.data());
  }
  bool Framed() const { return FTable->Engine()->KeyFocus().Place == FPlace; }
  bool HoldsPick() const {
    const TGameEngine& engine = *FTable->Engine();
    return engine.SelectStage == 1 && engine.Selection[0].Row >= 0 &&
           engine.Selection[0].Column == ColumnOfPlace(FPlace);
  }

  QPointer<TTableImage> FTable;
  int FPlace;
};

// Whether a screen reader listens: the platform tells when one comes or goes.
class TScreenReaderWatch : public QAccessible::ActivationObserver {
 public:
  TScreenReaderWatch() { QAccessible::installActivationObserver(this); }
  void accessibilityActiveChanged(bool active) override { FActive = active; }
  bool Listening() const { return FActive || QAccessible::isActive(); }

 private:
  bool FActive = false;
};

// Made once and kept to the end, as the platform's list of watchers is.
TScreenReaderWatch*& Watch() {
  static TScreenReaderWatch* watch = nullptr;
  return watch;
}

TAccessibleEventSink& Sink() {
  static TAccessibleEventSink sink;
  return sink;
}

bool ScreenReaderListens() {
  if (Sink())
    return true;
  return Watch() != nullptr ? Watch()->Listening() : QAccessible::isActive();
}

QAccessibleInterface* TableFactory(const QString&, QObject* object) {
  auto* table = dynamic_cast<TTableImage*>(object);
  return table != nullptr ? new TTableAccessible(table) : nullptr;
}

void Send(QAccessibleInterface* iface, QAccessible::Event type) {
  if (iface == nullptr)
    return;
  QAccessibleEvent event(iface, type);
  if (Sink())
    Sink()(event);
  else
    QAccessible::updateAccessibility(&event);
}

}  // namespace

TTableAccessible::TTableAccessible(TTableImage* table)
    : QAccessibleWidget(table, QAccessible::List, QStringLiteral("Card table")) {}

TTableAccessible::~TTableAccessible() {
  for (const QAccessible::Id id : FChildren)
    QAccessible::deleteAccessibleInterface(id);
}

TTableImage* TTableAccessible::Table() const {
  return static_cast<TTableImage*>(widget());
}

const TGameEngine* TTableAccessible::Engine() const {
  return Table()->Engine();
}

int TTableAccessible::childCount() const {
  return Engine() != nullptr ? TablePlaces : 0;
}

QAccessibleInterface* TTableAccessible::child(int index) const {
  if (index < 0 || index >= childCount())
    return nullptr;
  if (FChildren.empty()) {
    for (int place = 0; place < TablePlaces; ++place)
      FChildren.push_back(
          QAccessible::registerAccessibleInterface(new TPlaceAccessible(Table(), place)));
  }
  return QAccessible::accessibleInterface(FChildren[static_cast<size_t>(index)]);
}

int TTableAccessible::indexOfChild(const QAccessibleInterface* child) const {
  for (size_t i = 0; i < FChildren.size(); ++i)
    if (QAccessible::accessibleInterface(FChildren[i]) == child)
      return static_cast<int>(i);
  return -1;
}

QAccessibleInterface* TTableAccessible::focusChild() const {
  if (Engine() == nullptr || !Table()->hasFocus())
    return nullptr;
  return child(Engine()->KeyFocus().Place);
}

// Home piles and the stock lie over no column; a column's place reaches
// from its first card to the bottom of its last.
QAccessibleInterface* TTableAccessible::childAt(int x, int y) const {
  if (Engine() == nullptr)
    return nullptr;
  const QPoint point = Table()->TablePoint(Table()->mapFromGlobal(QPointF(x, y)));
  for (int place = 0; place < TablePlaces; ++place)
    if (Engine()->PlaceRect(place).contains(point))
      return child(place);
  return nullptr;
}

QString TTableAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Description)
    return QStringLiteral(
        "Left and Right move the frame over the stock, the columns and the home piles; Up and "
        "Down choose a card; Enter or Space clicks there; D deals a row; Escape drops the "
        "picked card");
  return QAccessibleWidget::text(t);
}

void InstallTableAccessibility() {
  if (Watch() != nullptr)
    return;
  Watch() = new TScreenReaderWatch;
  QAccessible::installFactory(TableFactory);
}

void SetAccessibleEventSink(TAccessibleEventSink sink) {
  Sink() = std::move(sink);
}

void TTableAnnouncer::Update() {
  const TGameEngine* engine = FTable.Engine();
  QAccessibleInterface* table = ScreenReaderListens() && engine != nullptr
                                    ? QAccessible::queryAccessibleInterface(&FTable)
                                    : nullptr;
  if (table == nullptr) {
    FNames.clear();
    FFocused = -1;
    return;
  }
  const bool known = FNames.size() == static_cast<size_t>(TablePlaces);
  FNames.resize(static_cast<size_t>(TablePlaces));
  for (int place = 0; place < TablePlaces; ++place) {
    const QString name = engine->PlaceName(place);
    if (known && name != FNames[static_cast<size_t>(place)])
      Send(table->child(place), QAccessible::NameChanged);
    FNames[static_cast<size_t>(place)] = name;
  }
  const int focused = FTable.hasFocus() ? engine->KeyFocus().Place : -1;
  const QString description = focused >= 0 ? engine->FocusDescription() : QString();
  if (focused >= 0 && focused != FFocused)
    Send(table->child(focused), QAccessible::Focus);
  else if (focused >= 0 && description != FDescription)
    Send(table->child(focused), QAccessible::DescriptionChanged);
  FFocused = focused;
  FDescription = description;
}
