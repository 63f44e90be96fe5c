// Playing from the keyboard: the table takes the focus, and the keys move
// the engine's frame, click there, drop a pick or deal. Screen readers read
// the table through TableAccessible.h; the tool bar and status bar are named
// for them here.

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <array>

#include "ui/dialogs/ColDisplayDlg.h"
#include "ui/mainwindow/Form1.h"
#include "ui/mainwindow/TableAccessible.h"
#include "ui/mainwindow/TableImage.h"
#include "widgets/FancyButton.h"
#include "widgets/SubTimer.h"

namespace {

enum TTableKey { tkNone, tkLeft, tkRight, tkUp, tkDown, tkActivate, tkDrop, tkDeal };

// Keys with Ctrl, Alt or Shift are left to the menus and the window.
TTableKey TableKeyOf(const QKeyEvent& event) {
  if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
    return tkNone;
  switch (event.key()) {
    case Qt::Key_Left:
      return tkLeft;
    case Qt::Key_Right:
      return tkRight;
    case Qt::Key_Up:
      return tkUp;
    case Qt::Key_Down:
      return tkDown;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      return tkActivate;
    case Qt::Key_Escape:
      return tkDrop;
    case Qt::Key_D:
      return tkDeal;
    default:
      return tkNone;
  }
}

// The name a screen reader gives a status panel before its text.
constexpr std::array<const char*, 5> PanelNames{"Card", "Moves", "Message", "Error", "Score"};

}  // namespace

void TForm1::MakeTableKeys() {
  InstallTableAccessibility();
  Image1->SetEngine(FEngine.get());
  Image1->OnKeyPress = [this](const QKeyEvent& event) { return TableKeyPress(event, true); };
  Image1->OnFocus = [this](bool in, Qt::FocusReason reason) {
    // Tab shows the frame where it was; Tab away takes it off the table.
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason)
      return;
    if (in)
      FEngine->ShowFocus();
    else
      FEngine->HideFocus();
  };
  // An arrow key on a button moves to the table, not to the next button.
  for (QWidget* button : {static_cast<QWidget*>(DealBtn), static_cast<QWidget*>(UndoBtn),
                          static_cast<QWidget*>(FancyButton1)})
    button->installEventFilter(this);
  setTabOrder(UndoBtn, Image1);
  NameForScreenReaders();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched != Image1 &&
      TableKeyPress(static_cast<const QKeyEvent&>(*event), false))
    return true;
  return QMainWindow::eventFilter(watched, event);
}

// Keys nobody else took: pressed where no control has the focus, or passed
// on by one.
void TForm1::keyPressEvent(QKeyEvent* event) {
  if (!TableKeyPress(*event, false))
    QMainWindow::keyPressEvent(event);
}

// Enter and Space click on the table only while it has the focus (on a
// button they press the button). A held key clicks or deals once. While the
// column view is up, the arrows choose its column and nothing on the table
// moves.
bool TForm1::TableKeyPress(const QKeyEvent& event, bool onTable) {
  const TTableKey key = TableKeyOf(event);
  if (key == tkNone || (key == tkActivate && !onTable))
    return false;
  const bool columnView = FColDisplayDlg != nullptr && FColDisplayDlg->isVisible();
  const bool once = !event.isAutoRepeat() && !columnView;
  switch (key) {
    case tkLeft:
    case tkRight:
    case tkUp:
    case tkDown:
      if (!Image1->hasFocus())
        Image1->setFocus(Qt::ShortcutFocusReason);
      FEngine->MoveFocus(key == tkLeft    ? fsLeft
                         : key == tkRight ? fsRight
                         : key == tkUp    ? fsUp
                                          : fsDown);
      if (columnView && ColumnOfPlace(FEngine->KeyFocus().Place) >= 0)
        FColDisplayDlg->ChooseColumnAt(FEngine->FocusArea().x());
      break;
    case tkActivate:
      if (once)
        FEngine->ActivateFocus();
      break;
    case tkDrop:
      if (!columnView)
        FEngine->DropSelection();
      break;
    case tkDeal:
      if (once)
        FEngine->DealFromKey();
      break;
    case tkNone:
      break;
  }
  return true;
}

// Buttons are named by their captions (the hint button has none); a status
// panel's name carries its text, so that it is read with it. The tips serve
// as descriptions.
void TForm1::NameForScreenReaders() {
  DealBtn->setAccessibleName(DealBtn->text());
  UndoBtn->setAccessibleName(UndoBtn->text());
  FancyButton1->setAccessibleName(QStringLiteral("Hint"));
  for (QWidget* control : {static_cast<QWidget*>(DealBtn), static_cast<QWidget*>(UndoBtn),
                           static_cast<QWidget*>(FancyButton1), static_cast<QWidget*>(GameTime)})
    control->setAccessibleDescription(control->toolTip());
  for (size_t i = 0; i < FPanels.size(); ++i) {
    FPanels[i]->setAccessibleDescription(FPanels[i]->toolTip());
    NamePanel(static_cast<TStatusPanel>(i));
  }
  NameTimePanel();
}

void TForm1::NamePanel(TStatusPanel panel) {
  QLabel* label = Panel(panel);
  const QString text = label->text().isEmpty() ? QStringLiteral("none") : label->text();
  const QString name =
      QString::fromLatin1(PanelNames[static_cast<size_t>(panel)]) + QStringLiteral(": ") + text;
  if (label->accessibleName() != name)
    label->setAccessibleName(name);
}

void TForm1::NameTimePanel() {
  const QString name = QStringLiteral("Time: ") + GameTime->text();
  if (GameTime->accessibleName() != name)
    GameTime->setAccessibleName(name);
}
