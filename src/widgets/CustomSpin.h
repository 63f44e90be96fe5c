#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <functional>

#include "widgets/CustomEditEx.h"

class QLabel;
class TUpDownButton;

// Which way a value wrapped round its limits.
enum TWrapMode { wmPastMaximum = 0, wmBelowMinimum = 1 };
using TWrapEvent = std::function<void(QObject* Sender, TWrapMode WrapMode)>;

// Where the parts of a spin edit go, in the edit's own pixels: the arrow
// pair against the right inner edge, the units label left of it, and the
// room the text keeps free on its right.
struct TSpinLayout {
  QRect Arrows;
  QRect Units;
  int TextRightMargin = 0;
};
TSpinLayout LayOutSpin(QSize size, int frame, int arrowsWidth, int unitsWidth, bool unitsShown);

// The least height of a spin edit: one line of text, the frame and a
// pixel above and below.
int SpinLeastHeight(int characterHeight, int frame);

// An edit with a pair of arrow buttons at its right end that step its value,
// and an optional units label between text and arrows. What a step does and
// which characters may be typed is the concern of the derived spin.
class TCustomSpin : public TCustomEditEx {
 public:
  explicit TCustomSpin(QWidget* parent = nullptr);

  // Typing allowed; without it the arrows and keys still step.
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool enabled);
  bool UseLimit() const { return FUseLimit; }
  void SetUseLimit(bool use) { FUseLimit = use; }
  bool Wrap() const { return FWrap; }
  void SetWrap(bool wrap) { FWrap = wrap; }
  // Suppresses the change notification while set.
  bool BlockChangeEvent() const { return FBlockChangeEvent; }
  void SetBlockChangeEvent(bool block) { FBlockChangeEvent = block; }
  QString UnitsString() const;
  void SetUnitsString(const QString& units);
  // The units label's width; 0 fits it to its text.
  int PanelWidth() const { return FPanelWidth; }
  void SetPanelWidth(int width);

  TUpDownButton* Button() const { return FButton; }
  QLabel* UnitsLabel() const { return FUnitsLabel; }

  TWrapEvent OnWrap;
  std::function<void()> OnChange;
  // The system beep; tests count it instead.
  std::function<void()> Beep;

 protected:
  virtual void UpClick() = 0;
  virtual void DownClick() = 0;
  // A character the player may type; the rest are dropped with a beep.
  virtual bool IsValidChar(QChar c) const;
  // Enter was pressed: the derived spin tidies its text.
  virtual void FinishEditing() {}

  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  bool MayChangeText() const { return FEditorEnabled && !isReadOnly(); }
  bool RefusesKey(const QKeyEvent* event) const;
  int Frame() const;
  void LayOutLabel();
  void LayOut();

  bool FEditorEnabled = true;
  bool FUseLimit = false;
  bool FWrap = false;
  bool FBlockChangeEvent = false;
  int FPanelWidth = 0;
  TUpDownButton* FButton;
  QLabel* FUnitsLabel;
};
