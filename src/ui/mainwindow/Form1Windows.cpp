// The main window's side windows and help: locate a card, the column view,
// the debug tools and the help pages, and the table's mouse events, which
// go to the column view while it is up.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include "game/LocateCard.h"
#include "ui/dialogs/CardFindDlg.h"
#include "ui/dialogs/ColDisplayDlg.h"
#include "ui/dialogs/DebugDlg.h"
#include "ui/help/CHMHelper.h"
#include "ui/help/HelpWindow.h"
#include "ui/mainwindow/Form1.h"

namespace {

// The help file's name as the help requests carry it: beside the program.
QString ProgramHelpFile(const QString& name) {
  return QDir(QCoreApplication::applicationDirPath()).filePath(QFileInfo(name).fileName());
}

}  // namespace

void TForm1::MakeSideWindows() {
  FHelpWindow = std::make_unique<TLazyHelpWindow>();
  FCHMHelper1 = std::make_unique<TCHMHelper>(*FHelpWindow);
  FCHMHelper1->HelpFile = ProgramHelpFile(QStringLiteral("Sorvane32.chm"));
}

TCardFindDlg& TForm1::CardFindDlg() {
  if (FCardFindDlg == nullptr)
    FCardFindDlg = new TCardFindDlg(this);
  return *FCardFindDlg;
}

TColDisplayDlg& TForm1::ColDisplayDlg() {
  if (FColDisplayDlg == nullptr)
    FColDisplayDlg = new TColDisplayDlg(*FEngine, this);
  return *FColDisplayDlg;
}

TDebugDlg& TForm1::DebugDlg() {
  if (FDebugDlg == nullptr)
    FDebugDlg = new TDebugDlg(*FEngine, this);
  return *FDebugDlg;
}

THelpWindow& TForm1::HelpWindow() {
  return FHelpWindow->Window();
}

void TForm1::DisplayColumnMnuClick() {
  // The view takes the table's presses, so a drag must not be under way.
  if (!FEngine->CanStartCommand())
    return;
  ColDisplayDlg().ShowColumnView();
}

void TForm1::LocateCardMnuClick() {
  if (!FEngine->CanStartCommand() || !CardFindDlg().Execute())
    return;
  const TLocateAnswer answer =
      LocateCard(FEngine->Table, FCardFindDlg->Rank(), FCardFindDlg->Suit());
  for (const QString& message : answer.Messages)
    QMessageBox::information(this, QApplication::applicationName(), message);
  if (answer.Messages.isEmpty())
    FEngine->ShowError(answer.Error);
}

void TForm1::DebugMnuClick() {
  DebugDlg().ShowDebugTools();
}

void TForm1::ContentsMnuClick() {
  FCHMHelper1->HelpCommand(hcContents, 0);
}

void TForm1::Image1MouseDown(int buttons, QPoint p) {
  FEngine->HideFocus();
  if (FColDisplayDlg != nullptr && FColDisplayDlg->isVisible() && !FEngine->Dragging) {
    FColDisplayDlg->ChooseColumnAt(p.x());
  } else {
    ClearHint();
    FEngine->TableMouseDown(buttons, p.x(), p.y());
  }
}

void TForm1::Image1MouseMove(QPoint p) {
  if (FColDisplayDlg != nullptr && FColDisplayDlg->isVisible() && !FEngine->Dragging)
    return;
  FEngine->TableMouseMove(p.x(), p.y());
  if (FDebugDlg != nullptr)
    FDebugDlg->ShowMousePosition(p);
}

void TForm1::Image1MouseUp(QPoint p) {
  if (FColDisplayDlg != nullptr && FColDisplayDlg->isVisible() && !FEngine->Dragging)
    return;
  FEngine->TableMouseUp(p.x(), p.y());
}
