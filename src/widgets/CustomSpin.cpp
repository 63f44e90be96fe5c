#include "widgets/CustomSpin.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionFrame>

#include "widgets/UpDownButton.h"

namespace {

constexpr int ArrowsWidth = 15;
constexpr int UnitsPadding = 6;
constexpr QChar CarriageReturn(13);
constexpr QChar Backspace(8);
constexpr QChar Delete(127);

}  // namespace

TSpinLayout LayOutSpin(QSize size, int frame, int arrowsWidth, int unitsWidth, bool unitsShown) {
  TSpinLayout layout;
  const int height = std::max(size.height() - 2 * frame, 0);
  layout.Arrows = QRect(size.width() - frame - arrowsWidth, frame, arrowsWidth, height);
  layout.Units = QRect(layout.Arrows.left() - unitsWidth, frame, unitsWidth, height);
  layout.TextRightMargin = arrowsWidth + 2 + (unitsShown ? unitsWidth : 0);
  return layout;
}

int SpinLeastHeight(int characterHeight, int frame) {
  return characterHeight + 2 * frame + 2;
}

TCustomSpin::TCustomSpin(QWidget* parent)
    : TCustomEditEx(parent),
      Beep([] { QApplication::beep(); }),
      FButton(new TUpDownButton(this)),
      FUnitsLabel(new QLabel(this)) {
  FButton->resize(ArrowsWidth, 17);
  FButton->SetFocusControl(this);
  FButton->OnUpClick = [this] { UpClick(); };
  FButton->OnDownClick = [this] { DownClick(); };
  FButton->setCursor(Qt::ArrowCursor);
  FUnitsLabel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  FUnitsLabel->setAlignment(Qt::AlignCenter);
  FUnitsLabel->resize(0, 17);
  FUnitsLabel->hide();
  setText(QStringLiteral("0"));
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (!FBlockChangeEvent && OnChange)
      OnChange();
  });
  setMinimumHeight(SpinLeastHeight(fontMetrics().height(), Frame()));
  LayOut();
}

void TCustomSpin::SetEditorEnabled(bool enabled) {
  FEditorEnabled = enabled;
  setAcceptDrops(enabled);
}

QString TCustomSpin::UnitsString() const {
  return FUnitsLabel->text();
}

void TCustomSpin::SetUnitsString(const QString& units) {
  FUnitsLabel->setText(units);
  FUnitsLabel->setVisible(!units.isEmpty());
  LayOutLabel();
}

void TCustomSpin::SetPanelWidth(int width) {
  if (FPanelWidth == width)
    return;
  FPanelWidth = width;
  LayOutLabel();
}

void TCustomSpin::LayOutLabel() {
  const QString text = FUnitsLabel->text();
  int width = 0;
  if (!text.isEmpty())
    width = FPanelWidth != 0 ? FPanelWidth
                             : FUnitsLabel->fontMetrics().horizontalAdvance(text) + UnitsPadding;
  FUnitsLabel->resize(std::max(width, 0), FUnitsLabel->height());
  LayOut();
}

int TCustomSpin::Frame() const {
  if (!hasFrame())
    return 0;
  QStyleOptionFrame option;
  option.initFrom(this);
  return style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
}

void TCustomSpin::LayOut() {
  const TSpinLayout layout = LayOutSpin(size(), Frame(), FButton->width(), FUnitsLabel->width(),
                                        FUnitsLabel->isVisibleTo(this));
  FButton->setGeometry(layout.Arrows);
  FUnitsLabel->setGeometry(layout.Units);
  setTextMargins(0, 0, layout.TextRightMargin, 0);
}

bool TCustomSpin::IsValidChar(QChar c) const {
  if (c.unicode() < 32)
    return c != CarriageReturn && (FEditorEnabled || c != Backspace);
  if (!FEditorEnabled)
    return false;
  return c == QLatin1Char('+') || c == QLatin1Char('-') || (c >= u'0' && c <= u'9') ||
         QLocale().decimalPoint() == QString(c);
}

// Keys that would change the text when the player may not.
bool TCustomSpin::RefusesKey(const QKeyEvent* event) const {
  if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut))
    return !MayChangeText();
  return !FEditorEnabled && (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace);
}

void TCustomSpin::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
      UpClick();
      return;
    case Qt::Key_Down:
      DownClick();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // A carriage return is no character of a number: it is dropped with the
      // beep and stays here, so it does not press the window's default button.
      Beep();
      event->accept();
      return;
    default:
      break;
  }
  if (RefusesKey(event))
    return;
  const QString text = event->text();
  if (!text.isEmpty() && text.front() != Delete && !IsValidChar(text.front())) {
    Beep();
    return;
  }
  TCustomEditEx::keyPressEvent(event);
}

void TCustomSpin::focusInEvent(QFocusEvent* event) {
  TCustomEditEx::focusInEvent(event);
  if (!QGuiApplication::mouseButtons().testFlag(Qt::LeftButton))
    selectAll();
}

void TCustomSpin::resizeEvent(QResizeEvent* event) {
  TCustomEditEx::resizeEvent(event);
  LayOut();
}

void TCustomSpin::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) {
    QPalette palette = FUnitsLabel->palette();
    palette.setColor(QPalette::WindowText, isEnabled() ? QColor(0, 0, 0) : QColor(128, 128, 128));
    FUnitsLabel->setPalette(palette);
  } else if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
    setMinimumHeight(SpinLeastHeight(fontMetrics().height(), Frame()));
    LayOut();
  }
  TCustomEditEx::changeEvent(event);
}

void TCustomSpin::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  for (QAction* action : menu->actions())
    if (action->objectName() == QLatin1String("edit-paste") ||
        action->objectName() == QLatin1String("edit-cut") ||
        action->objectName() == QLatin1String("edit-delete"))
      action->setEnabled(action->isEnabled() && MayChangeText());
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}
