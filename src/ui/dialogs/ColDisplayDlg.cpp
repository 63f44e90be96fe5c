#include "ui/dialogs/ColDisplayDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "cards/Card.h"
#include "cards/PixelScale.h"
#include "game/GameEngine.h"
#include "ui/mainwindow/WindowPlace.h"
#include "widgets/IntegerSpin.h"

namespace {

const QColor ViewGrey(128, 128, 128);
const QColor HintNavy(0, 0, 128);
constexpr int CardSpacing = 5;
constexpr int FirstRowY = 5;

}  // namespace

std::vector<TColumnViewSpot> ColumnViewSpots(const TTable& table, int c, QSize cardSize,
                                             int pictureWidth) {
  std::vector<TColumnViewSpot> spots;
  if (c < 0 || c >= Columns)
    return spots;
  const int step = cardSize.width() + CardSpacing;
  int n = 0, y = FirstRowY;
  for (int r = 0; r < PileSlots && table.Slot(c, r) != nullptr; ++r) {
    const TCard* card = table.Slot(c, r);
    if (!card->FaceUp)
      continue;
    if (pictureWidth < cardSize.width() + n * step) {
      n = 0;
      y += cardSize.height() / 2;
    }
    spots.push_back({card, QPoint(n * step, y)});
    ++n;
  }
  return spots;
}

void DrawColumnView(QImage& picture, const TTable& table, int c, QSize cardSize) {
  picture.fill(ViewGrey);
  const int width = TPixelScale(picture.devicePixelRatio()).TableSize(picture.size()).width();
  QPainter painter(&picture);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  // Fitted cards are drawn finer than the view's pixels: they are shrunk
  // smoothly to the view's card size.
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  for (const TColumnViewSpot& spot : ColumnViewSpots(table, c, cardSize, width))
    painter.drawImage(QRect(spot.At, cardSize), spot.Card->Face());
}

TColDisplayDlg::TColDisplayDlg(TGameEngine& engine, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      FEngine(engine),
      FPicture(PictureSize, QImage::Format_RGB32) {
  setWindowTitle(QStringLiteral("Column View"));
  setModal(false);
  resize(533, 236);
  FPicture.fill(ViewGrey);
  ScrollBox1 = new QScrollArea(this);
  Image1 = new QLabel;
  Image1->setFixedSize(PictureSize);
  Image1->setPixmap(QPixmap::fromImage(FPicture));
  ScrollBox1->setWidget(Image1);
  ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  MakePanel();
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(ScrollBox1, 1);
  column->addWidget(Panel1);
}

void TColDisplayDlg::MakePanel() {
  Panel1 = new QWidget(this);
  Panel1->setFixedHeight(50);
  auto* row = new QHBoxLayout(Panel1);
  row->setContentsMargins(8, 4, 8, 4);
  Label1 = new QLabel(QStringLiteral("Column"), Panel1);
  ColSpin = new TIntegerSpin(Panel1);
  ColSpin->setFixedWidth(57);
  ColSpin->SetUseLimit(true);
  ColSpin->SetMaxValue(10);
  ColSpin->SetMinValue(1);
  ColSpin->SetIncrement(1);
  ColSpin->SetValue(1);
  ColSpin->OnChange = [this] { DisplayColumn(SpinColumn()); };
  Label2 = new QLabel(QStringLiteral("Set column number or click on the column you wish to view"),
                      Panel1);
  Label2->setWordWrap(true);
  Label2->setFixedSize(209, 33);
  QFont bold = Label2->font();
  bold.setBold(true);
  Label2->setFont(bold);
  QPalette navy = Label2->palette();
  navy.setColor(QPalette::WindowText, HintNavy);
  Label2->setPalette(navy);
  OKBtn = new QPushButton(QStringLiteral("Close"), Panel1);
  OKBtn->setDefault(true);
  OKBtn->setAutoDefault(false);
  connect(OKBtn, &QPushButton::clicked, this, &QWidget::hide);
  row->addWidget(Label1);
  row->addWidget(ColSpin);
  row->addSpacing(8);
  row->addWidget(Label2);
  row->addStretch(1);
  row->addWidget(OKBtn);
}

int TColDisplayDlg::SpinColumn() {
  return static_cast<int>(ColSpin->Value()) - 1;
}

void TColDisplayDlg::DisplayColumn(int c) {
  setWindowTitle(QStringLiteral("Cards from column ") + QString::number(c + 1));
  // The view has the screen's pixels, as many as the card pictures of the
  // base layout, so they stay crisp.
  const TPixelScale scale(devicePixelRatioF());
  if (FPicture.devicePixelRatio() != scale.Ratio()) {
    FPicture = QImage(scale.Size(PictureSize), QImage::Format_RGB32);
    FPicture.setDevicePixelRatio(scale.Ratio());
  }
  DrawColumnView(FPicture, FEngine.Table, c, FEngine.Deck().CardSize());
  Image1->setPixmap(QPixmap::fromImage(FPicture));
}

void TColDisplayDlg::ChooseColumnAt(int x) {
  ColSpin->SetValue(FEngine.ColumnAt(x) + 1);
  DisplayColumn(SpinColumn());
}

void TColDisplayDlg::ShowColumnView() {
  DisplayColumn(SpinColumn());
  PresentSideWindow(*this, FPlaced);
}
