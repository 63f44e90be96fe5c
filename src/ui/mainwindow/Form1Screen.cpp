// The main window on screens of any device pixel ratio: the table and the
// tool-bar glyphs are drawn with the screen's own pixels, so that they stay
// crisp at 150 % or 200 %, and drawn again when the window moves to a screen
// with another ratio. Layout and every size stay in window pixels; with
// fitted cards the table's layout grows with the window.

#include <QCoreApplication>
#include <QTimer>

#include "ui/mainwindow/Form1.h"
#include "ui/mainwindow/TableImage.h"
#include "ui/mainwindow/ToolGlyphs.h"
#include "widgets/FancyButton.h"

void TForm1::ApplyPixelRatio(double ratio) {
  FEngine->SetPixelRatio(ratio);
  Image1->SetLayoutScale(FEngine->LayoutScale());
  DealBtn->SetGlyph(DealGlyph(ratio));
  UndoBtn->SetGlyph(UndoGlyph(ratio));
  FancyButton1->SetGlyph(HintGlyph(ratio));
}

void TForm1::FitTableToWindow() {
  FTableResize->stop();
  if (QCoreApplication::closingDown())
    return;
  FEngine->ResizeTable(Image1->size());
  Image1->SetLayoutScale(FEngine->LayoutScale());
}

void TForm1::ApplyFitCards(bool on) {
  FitCardsMnu->setChecked(on);
  FEngine->SetFitCards(on);
  Image1->SetLayoutScale(FEngine->LayoutScale());
}

void TForm1::FitCardsMnuClick() {
  if (!FEngine->CanStartCommand()) {
    FitCardsMnu->setChecked(FEngine->FitCards());
    return;
  }
  ApplyFitCards(FitCardsMnu->isChecked());
}
