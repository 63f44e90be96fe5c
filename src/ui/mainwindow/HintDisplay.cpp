#include "ui/mainwindow/HintDisplay.h"

#include <QPainter>
#include <QWidget>

#include "cards/Card.h"
#include "game/GameEngine.h"

// The selection glow drawn round an empty place: the yellow band at half
// opacity and the one-pixel yellow frame of a highlighted card, on a
// see-through widget over the table.
class THintMark : public QWidget {
 public:
  static constexpr int Band = 3;

  explicit THintMark(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
  }
  // Around `place`, a card-sized rectangle in the parent.
  void Place(const QRect& place) {
    setGeometry(place.adjusted(-Band - 1, -Band - 1, Band + 1, Band + 1));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QRect all = rect();
    const QRect frame = all.adjusted(Band, Band, -Band, -Band);
    QRegion band = QRegion(all).subtracted(QRegion(frame));
    painter.setClipRegion(band);
    painter.fillRect(all, QColor(255, 255, 0, 128));
    painter.setClipping(false);
    painter.setPen(QColor(255, 255, 0));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
  }
};

THintDisplay::THintDisplay(TGameEngine& engine, QWidget* table)
    : FEngine(engine), FMark(new THintMark(table)) {
  FTimer.setInterval(FlashHalfMs);
  connect(&FTimer, &QTimer::timeout, this, [this] { FlashStep(); });
}

THintDisplay::~THintDisplay() = default;

void THintDisplay::Show(const THint& hint) {
  Clear();
  FEngine.ShowPrompt(hint.Text);
  if (hint.Clicks.empty()) {
    ++FShows;
    FLast = hint;
    return;
  }
  const QSize card = FEngine.Deck().CardSize();
  const TPlayerAction& first = hint.Clicks.front();
  if (first.Kind == TPlayerAction::Deal) {
    FFlashPlace = FEngine.DealRect;
  } else {
    MarkRun(first.Column, first.Row);
    const TPlayerAction& dest = hint.Clicks.back();
    if (dest.Kind == TPlayerAction::Home)
      FFlashPlace = QRect(FEngine.HomePoint(dest.Column), card);
    else if (TCard* top = FEngine.Table.TopCard(dest.Column))
      FFlashCard = top->Highlighted ? nullptr : top;
    else
      FFlashPlace = QRect(FEngine.SlotPoint(dest.Column, 0), card);
  }
  FHalves = 0;
  SetFlash(true);
  FTimer.start();
  FEngine.Redraw(true);
  ++FShows;
  FLast = hint;
}

void THintDisplay::MarkRun(int column, int row) {
  for (int r = row; r < PileSlots; ++r) {
    TCard* card = FEngine.Table.Slot(column, r);
    if (card == nullptr)
      break;
    if (!card->Highlighted) {
      card->Highlighted = true;
      FMarked.push_back(card);
    }
  }
}

void THintDisplay::FlashStep() {
  if (FEngine.Busy) {
    Clear();  // a deal or an undo is moving the cards
    return;
  }
  ++FHalves;
  const bool on = FHalves % 2 == 0 && FHalves < FlashHalves;
  SetFlash(on);
  if (FHalves >= FlashHalves)
    FTimer.stop();
  FEngine.Redraw(true);
}

void THintDisplay::SetFlash(bool on) {
  if (FFlashCard != nullptr)
    FFlashCard->Highlighted = on;
  if (!FFlashPlace.isNull()) {
    FMark->Place(FFlashPlace);
    FMark->setVisible(on);
  }
}

// The card the player picked keeps its glow.
bool THintDisplay::IsPlayersPick(const TCard* card) const {
  return FEngine.SelectStage == 1 && FEngine.Selection[0].Card == card;
}

void THintDisplay::Clear() {
  const bool shown = !FMarked.empty() || FFlashCard != nullptr || !FFlashPlace.isNull();
  FTimer.stop();
  if (FFlashCard != nullptr)
    FMarked.push_back(FFlashCard);
  for (TCard* card : FMarked)
    if (!IsPlayersPick(card))
      card->Highlighted = false;
  FMarked.clear();
  FFlashCard = nullptr;
  FFlashPlace = QRect();
  FMark->hide();
  if (shown)
    RedrawSoon();
}

// Clear may come in the middle of a step of the engine (a status refresh):
// the table is redrawn once that step is over.
void THintDisplay::RedrawSoon() {
  QTimer::singleShot(0, this, [this] {
    if (!FEngine.Busy && !FEngine.Dragging)
      FEngine.Redraw(true);
  });
}
