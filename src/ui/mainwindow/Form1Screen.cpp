// The main window on screens of any device pixel ratio: the table and the
// tool-bar glyphs are drawn with the screen's own pixels, so that they stay
// crisp at 150 % or 200 %, and drawn again when the window moves to a screen
// with another ratio. Layout and every size stay in window pixels.

#include "ui/mainwindow/Form1.h"
#include "ui/mainwindow/ToolGlyphs.h"
#include "widgets/FancyButton.h"

void TForm1::ApplyPixelRatio(double ratio) {
  FEngine->SetPixelRatio(ratio);
  DealBtn->SetGlyph(DealGlyph(ratio));
  UndoBtn->SetGlyph(UndoGlyph(ratio));
  FancyButton1->SetGlyph(HintGlyph(ratio));
}
