#include "ui/dialogs/CardBackDlg.h"

#include <QFrame>
#include <QGuiApplication>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <algorithm>

#include "cards/CardArt.h"
#include "cards/CardResources.h"
#include "ui/dialogs/DialogGlyphs.h"

namespace {

constexpr QSize ClientSize{233, 247};
constexpr QPoint PictureOffset{18, 5};

// Each entry of the list is drawn by PaintBackListEntry.
class TBackListDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& palette = option.palette;
    PaintBackListEntry(*painter, option.rect, index.row(),
                       palette.color(selected ? QPalette::Highlight : QPalette::Base),
                       palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    return QSize(option.rect.width(), TCardBackDlg::EntryHeight);
  }
};

QPushButton* MakeButton(QWidget* parent, const QString& caption, const QImage& glyph, int top) {
  auto* button = new QPushButton(QIcon(QPixmap::fromImage(glyph)), caption, parent);
  button->setGeometry(148, top, 77, 25);
  return button;
}

}  // namespace

void PaintBackListEntry(QPainter& painter, const QRect& rect, int n, const QColor& background,
                        const QColor& text) {
  painter.fillRect(rect, background);
  // Drawn at the screen's own pixels, so the backs stay crisp at any scale.
  const double ratio = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;
  painter.drawImage(rect.topLeft() + PictureOffset,
                    CardResources::Picture(CardResources::FirstBack + n, ratio));
  painter.setPen(text);
  painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop, QString::number(n + 1));
}

TCardBackDlg::TCardBackDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setWindowTitle(QStringLiteral("Select Card Backs"));
  setFixedSize(ClientSize);
  QFont bold = font();
  bold.setFamilies({QStringLiteral("MS Sans Serif"), bold.family()});
  bold.setBold(true);
  setFont(bold);

  Bevel1 = new QFrame(this);
  Bevel1->setGeometry(8, 8, 129, 233);
  Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);

  BackList = new QListWidget(this);
  BackList->setGeometry(16, 16, 113, 217);
  BackList->setItemDelegate(new TBackListDelegate(BackList));
  BackList->setUniformItemSizes(true);
  BackList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (int n = 0; n < CardArt::BackDesigns; ++n)
    BackList->addItem(QString::number(n + 1));

  OKBtn = MakeButton(this, QStringLiteral("OK"), OKGlyph(), 16);
  OKBtn->setDefault(true);
  CancelBtn = MakeButton(this, QStringLiteral("Cancel"), CancelGlyph(), 48);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(BackList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

bool TCardBackDlg::Execute(int back) {
  BackList->setCurrentRow(std::clamp(back, 0, CardArt::BackDesigns - 1));
  BackList->scrollToItem(BackList->currentItem(), QAbstractItemView::PositionAtTop);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
  OKBtn->setFocus();
  return exec() == QDialog::Accepted;
}

int TCardBackDlg::SelectedBack() const {
  return std::max(BackList->currentRow(), 0);
}
