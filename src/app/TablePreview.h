#pragma once

#include <QImage>
#include <QWidget>

#include "cards/Deck.h"

// Shows the table picture: a freshly shuffled deck dealt into ten columns, the
// rest on the stock. It stands in for the main window until the game engine
// drives the table.
class TablePreview : public QWidget {
 public:
  explicit TablePreview(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void DealPreview();
  void LayOut();
  void Redraw();

  TDeck Deck;
  QImage Table;
};
