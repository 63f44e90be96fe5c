// cardsheet <out.png>: draws every large card picture onto one sheet, the 52
// faces in four rows (Hearts, Diamonds, Clubs, Spades; Ace to King) and the 13
// back designs in a fifth row, on the table green.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

#include "cards/CardArt.h"
#include "cards/CardOutline.h"

namespace {

constexpr int Columns = 13;
constexpr int FaceRows = 4;
constexpr int Gap = 4;
const QColor Table(0, 128, 0);

QPoint CellOrigin(int column, int row, QSize card) {
  return {Gap + column * (card.width() + Gap), Gap + row * (card.height() + Gap)};
}

QImage DrawSheet() {
  const QSize card = CardOutline::LargeSize;
  const QSize sheetSize(Gap + Columns * (card.width() + Gap),
                        Gap + (FaceRows + 1) * (card.height() + Gap));
  QImage sheet(sheetSize, QImage::Format_RGB32);
  sheet.fill(Table);
  QPainter painter(&sheet);
  for (int face = 0; face < FaceRows * Columns; ++face)
    painter.drawImage(CellOrigin(face % Columns, face / Columns, card),
                      CardArt::DrawFace(face, card));
  for (int design = 0; design < CardArt::BackDesigns; ++design)
    painter.drawImage(CellOrigin(design, FaceRows, card), CardArt::DrawBack(design, card));
  return sheet;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: cardsheet <out.png>\n");
    return 2;
  }
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (!DrawSheet().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "cardsheet: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
