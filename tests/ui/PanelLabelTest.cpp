// Status panels shrink a text that would not fit, and only such a text.
#include <gtest/gtest.h>

#include <QFontMetrics>

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
