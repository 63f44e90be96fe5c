#pragma once

#include <QObject>
#include <QRect>
#include <QTimer>
#include <vector>

#include "game/HintController.h"

class QWidget;
class TCard;
class TGameEngine;
class THintMark;

// Shows a hint on the table: the cards to move with the selection glow, the
// destination card or place flashing for about a second, the prompt panel
// saying what to do. It only changes how cards are drawn, never where they
// lie; Clear puts every glow it set back.
class THintDisplay : public QObject {
 public:
  static constexpr int FlashHalfMs = 125;
  static constexpr int FlashHalves = 8;  // on and off four times: a second

  // `table` is the widget that shows the table picture; the place mark of
  // an empty column, a home pile or the stock lies on it.
  THintDisplay(TGameEngine& engine, QWidget* table);
  ~THintDisplay() override;

  void Show(const THint& hint);
  void Clear();

  // For tests: the cards lit for the hint, and where the destination flashes.
  const std::vector<TCard*>& Marked() const { return FMarked; }
  TCard* FlashCard() const { return FFlashCard; }
  QRect FlashPlace() const { return FFlashPlace; }
  bool Flashing() const { return FTimer.isActive(); }
  // For measurements: how many hints were shown, and the last.
  int Shows() const { return FShows; }
  const THint& Last() const { return FLast; }

 private:
  void MarkRun(int column, int row);
  void FlashStep();
  void SetFlash(bool on);
  bool IsPlayersPick(const TCard* card) const;
  void RedrawSoon();

  TGameEngine& FEngine;
  THintMark* FMark;
  std::vector<TCard*> FMarked;
  TCard* FFlashCard = nullptr;
  QRect FFlashPlace;
  QTimer FTimer;
  int FHalves = 0;
  int FShows = 0;
  THint FLast;
};
