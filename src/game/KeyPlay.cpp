// Playing from the keyboard: the frame over the places and cards of the
// table, and the keys that click where it is, drop a pick or deal.

#include <algorithm>

#include "cards/Card.h"
#include "cards/RepaintTracker.h"
#include "game/GameEngine.h"

int TGameEngine::FirstFaceUpRow(int c) const {
  int r = Table.LastRow(c);
  while (r > 0 && Table.Slot(c, r)->FaceUp && Table.Slot(c, r - 1)->FaceUp)
    --r;
  return r;
}

// A frame on a column whose cards changed (a move, a deal, an undo) goes
// back to the column's last card, the one a new frame starts on.
TKeyFocus TGameEngine::SettledFocus(TKeyFocus focus) const {
  const int c = ColumnOfPlace(focus.Place);
  if (c < 0 || Table.Slot(c, 0) == nullptr) {
    focus.Row = 0;
    focus.Top = nullptr;
    return focus;
  }
  const int last = Table.LastRow(c);
  if (focus.Top != Table.TopCard(c) || focus.Row > last || focus.Row < FirstFaceUpRow(c)) {
    focus.Row = last;
    focus.Top = Table.TopCard(c);
  }
  return focus;
}

bool TGameEngine::ShowFocus() {
  if (FKeyFocus.Shown || !CanStartCommand())
    return false;
  FKeyFocus = SettledFocus(FKeyFocus);
  FKeyFocus.Shown = true;
  ShowFramedCard();
  Redraw(true);
  return true;
}

void TGameEngine::HideFocus() {
  if (!FKeyFocus.Shown)
    return;
  FKeyFocus.Shown = false;
  // While a deal or the celebration runs, its next frame takes the frame away.
  if (!Busy && !FHost.FireworksRunning())
    Redraw(true);
}

bool TGameEngine::MoveFocus(TFocusStep step) {
  if (!CanStartCommand())
    return false;
  if (ShowFocus())
    return true;
  TKeyFocus focus = SettledFocus(FKeyFocus);
  const int c = ColumnOfPlace(focus.Place);
  switch (step) {
    case fsLeft:
    case fsRight:
      focus.Place = std::clamp(focus.Place + (step == fsLeft ? -1 : 1), 0, TablePlaces - 1);
      focus.Top = nullptr;  // a new column is framed from its last card
      break;
    case fsUp:
      if (c >= 0)
        focus.Row = std::max(focus.Row - 1, FirstFaceUpRow(c));
      break;
    case fsDown:
      if (c >= 0)
        focus.Row = std::min(focus.Row + 1, Table.LastRow(c));
      break;
  }
  focus = SettledFocus(focus);
  if (focus.Place == FKeyFocus.Place && focus.Row == FKeyFocus.Row)
    return false;
  FKeyFocus = focus;
  ShowFramedCard();
  Redraw(true);
  return true;
}

void TGameEngine::ActivateFocus() {
  if (!CanStartCommand() || ShowFocus())
    return;
  FKeyFocus = SettledFocus(FKeyFocus);
  ClickFromKey(FocusPoint());
}

void TGameEngine::DealFromKey() {
  if (CanStartCommand())
    ClickFromKey(DealRect.center());
}

// A press and a release at one point, as a click of the mouse.
void TGameEngine::ClickFromKey(QPoint p) {
  TableMouseDown(mbLeft, p.x(), p.y());
  TableMouseUp(p.x(), p.y());
  Redraw(true);
}

void TGameEngine::DropSelection() {
  if (!CanStartCommand() || SelectStage == 0)
    return;
  for (TTablePos& record : Selection) {
    if (record.Card != nullptr)
      record.Card->Highlighted = false;
    record = TTablePos();
  }
  SelectStage = 0;
  DragCards.clear();
  // Cards a click put down a little off their place go back to it.
  if (CardsDealt && GameState != gsWon)
    Relayout();
  UpdateStatus();
  Redraw(true);
}

// The point a click on the framed card or place lands on: the middle of
// the card's uncovered strip, or of the place.
QPoint TGameEngine::FocusPoint() const {
  const QPoint middle(FDeck->CardWidth() / 2, FDeck->CardHeight() / 2);
  const int c = ColumnOfPlace(FKeyFocus.Place);
  const int home = HomeOfPlace(FKeyFocus.Place);
  if (home >= 0)
    return HomePoint(home) + middle;
  if (c < 0)
    return DealRect.center();
  if (Table.Slot(c, 0) == nullptr || FKeyFocus.Row >= Table.LastRow(c))
    return SlotPoint(c, FKeyFocus.Row) + middle;
  return SlotPoint(c, FKeyFocus.Row) + QPoint(middle.x(), PileStep[static_cast<size_t>(c)] / 2);
}

QRect TGameEngine::FocusArea() const {
  const TKeyFocus focus = SettledFocus(FKeyFocus);
  const int c = ColumnOfPlace(focus.Place);
  if (c < 0 || Table.Slot(c, 0) == nullptr)
    return PlaceRect(focus.Place);
  const QPoint bottom =
      SlotPoint(c, Table.LastRow(c)) + QPoint(FDeck->CardWidth(), FDeck->CardHeight());
  return QRect(SlotPoint(c, focus.Row), bottom - QPoint(1, 1));
}

// The status panel under the pointer names the framed card as it would the
// card under the pointer.
void TGameEngine::ShowFramedCard() {
  const int c = ColumnOfPlace(FKeyFocus.Place);
  const int home = HomeOfPlace(FKeyFocus.Place);
  const TCard* card = nullptr;
  if (c >= 0)
    card = Table.Slot(c, FKeyFocus.Row);
  else if (home >= 0)
    card = Table.HomeSlot(home, HomeSlots - 1);
  else if (FDeck->Shuffler().ShuffleIndex() > 0)
    card = &FDeck->Card(FDeck->Shuffler().DeckArray()[0]);
  QString text = QStringLiteral("None");
  if (card != nullptr)
    text = card->FaceUp ? card->Name : QStringLiteral("Down");
  FHost.SetPanelText(CurCardDis, text);
}

// Without a key the frame is never painted and costs nothing.
void TGameEngine::NoteFocusFrame(std::vector<QRect>& changed) {
  if (!FKeyFocus.Shown && FFocusFrame.Outer.isEmpty())
    return;
  FKeyFocus = SettledFocus(FKeyFocus);
  const TFocusFrame frame =
      FKeyFocus.Shown ? FocusFrameAround(FocusArea(), ColumnGap) : TFocusFrame();
  if (frame == FFocusFrame)
    return;
  for (const QRect& area : {FFocusFrame.Outer, frame.Outer})
    if (!area.isEmpty())
      changed.push_back(area);
  changed = MergedRects(std::move(changed));
  FFocusFrame = frame;
}
