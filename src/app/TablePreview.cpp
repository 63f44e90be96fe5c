#include "app/TablePreview.h"

#include <QPainter>

#include "cards/Canvas.h"

namespace {

constexpr int Columns = 10;
constexpr int DealtCards = 54;
constexpr int Margin = 10;

}  // namespace

TablePreview::TablePreview(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  Deck.SetPacks(2);
  DealPreview();
}

void TablePreview::DealPreview() {
  TShuffler& shuffler = Deck.Shuffler();
  shuffler.Shuffle();
  for (auto& card : Deck.Cards) {
    card->FaceUp = false;
    card->Visible = true;
  }
}

// Columns of dealt cards under a row of empty slots; the stock at top left.
void TablePreview::LayOut() {
  const QSize card = Deck.CardSize();
  const int pitch = std::max(card.width() + 4, (width() - 2 * Margin) / Columns);
  const int columnsTop = Margin + card.height() + 3 * Margin;
  const TDeckArray& order = Deck.Shuffler().DeckArray();
  const int count = static_cast<int>(order.size());
  for (int k = 0; k < count; ++k) {
    TCard& dealt = Deck.Card(order[static_cast<size_t>(count - 1 - k)]);
    if (k < DealtCards) {
      const int column = k % Columns;
      const int row = k / Columns;
      const bool top = k + Columns >= DealtCards;
      dealt.Position = QPoint(Margin + column * pitch, columnsTop + row * card.height() / 5);
      dealt.FaceUp = top;
      dealt.ZOrder = k;
    } else {
      dealt.Position = QPoint(Margin + (k - DealtCards) / 10 * 3, Margin);
      dealt.ZOrder = k;
    }
  }
}

void TablePreview::Redraw() {
  TCanvas canvas(Table);
  Table.fill(TCanvas::TableColour);
  const int pitch = std::max(Deck.CardWidth() + 4, (width() - 2 * Margin) / Columns);
  for (int home = 0; home < 8; ++home)
    Deck.DrawSlot(canvas, Margin + (home + 2) * pitch, Margin);
  Deck.DrawAll(canvas);
}

void TablePreview::resizeEvent(QResizeEvent*) {
  Table = QImage(size(), QImage::Format_RGB32);
  LayOut();
  Redraw();
}

void TablePreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, Table);
}
