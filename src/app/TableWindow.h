#pragma once

#include <QImage>
#include <QWidget>

#include "game/GameEngine.h"

// A plain window around the table picture: it hands presses, moves and
// releases to the engine and shows what the engine paints. It stands in for
// the main window with its menu, tool bar and status bar.
class TableWindow : public QWidget, private TGameHost {
 public:
  explicit TableWindow(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // The engine's host: what has no place in this window yet does nothing.
  void ShowTable() override;
  void ProcessMessages() override;
  TClock& Clock() override;
  void PlaySound(int, bool) override {}
  void StopSound() override {}
  void SetPanelText(TStatusPanel, const QString&) override {}
  QRgb PanelColour(TStatusPanel) const override { return 0; }
  void SetPanelColour(TStatusPanel, QRgb) override {}
  void SetCaption(const QString& caption) override { setWindowTitle(caption); }
  void ShowErrorBox(const QString&) override {}
  void SetGameClock(bool) override {}
  void ShowWinner() override {}
  bool FireworksRunning() const override { return false; }
  bool AutoMoveMode() const override { return false; }
  bool VerboseMode() const override { return false; }
  void SetSmallCardsChecked(bool) override {}
  int ScreenWidth() const override;

  TGameEngine Engine;
};
