// Status panels shrink a text that would not fit, and only such a text.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPalette>
#include <string>

#include "ui/look/GameFonts.h"
#include "ui/mainwindow/PanelLabel.h"

TEST(PanelLabelTest, ALongTextIsDrawnSmallerUntilItFitsAndAShortOneIsNot) {
  TPanelLabel panel;
  panel.setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel.setFont(GameFont(QStringLiteral("Tahoma"), 15));
  panel.resize(167, 23);

  panel.setText(QStringLiteral("Click"));
  EXPECT_EQ(panel.FittedFont().pixelSize(), 15);

  panel.setText(QStringLiteral("Click On Card From Pile and Home"));
  const QFont fitted = panel.FittedFont();
  EXPECT_LT(fitted.pixelSize(), 15);
  EXPECT_LE(QFontMetrics(fitted).horizontalAdvance(panel.text()), panel.contentsRect().width());

  // An empty panel or one far too narrow stops at a readable size.
  panel.resize(10, 23);
  EXPECT_EQ(panel.FittedFont().pixelSize(), 8);
}

// The middle of the inked rows of the panel's text, in panel pixels.
static double InkMiddle(TPanelLabel& panel) {
  QImage image(panel.size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  panel.render(&image);
  const QRect inside = panel.contentsRect().adjusted(3, 3, -3, -3);
  int top = -1, bottom = -1;
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x)
      if (qGray(image.pixel(x, y)) < 128) {
        top = top < 0 ? y : top;
        bottom = y;
        break;
      }
  return (top + bottom) / 2.0;
}

// In the game's font and in the faces a desktop may put in its place.
TEST(PanelLabelTest, AShrunkTextStaysCentredLikeAFullSizeOne) {
  for (const char* family : {"Tahoma", "Nimbus Sans", "DejaVu Serif", "C059"})
    for (const int height : {23, 24}) {
      SCOPED_TRACE(family + std::string(" ") + std::to_string(height));
      TPanelLabel panel;
      panel.setFrameStyle(QFrame::Panel | QFrame::Sunken);
      panel.setFont(GameFont(QString::fromLatin1(family), 15));
      QPalette palette = panel.palette();
      palette.setColor(QPalette::WindowText, Qt::black);
      panel.setPalette(palette);
      panel.resize(167, height);
      panel.setText(QStringLiteral("Click Home"));  // capitals and ascenders, no descender
      const double fullSize = InkMiddle(panel);
      panel.setText(QStringLiteral("Click On Card From Pile and Home"));
      ASSERT_LT(panel.FittedFont().pixelSize(), 15);
      EXPECT_GT(fullSize, 0);
      EXPECT_NEAR(InkMiddle(panel), fullSize, 0.5);
    }
}
