// The statistics window: its columns, a damaged file, Reset with its
// question, and the main window counting a game left as it closes.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "cards/Clock.h"
#include "persist/StatisticsFile.h"
#include "support/QtPrinters.h"
#include "ui/UiTestSupport.h"
#include "ui/dialogs/StatisticsDlg.h"
#include "ui/mainwindow/Form1.h"

namespace {

class StatisticsDlgTest : public ::testing::Test {
 protected:
  StatisticsDlgTest() : File(Folder.filePath("statistics.ini")), Dialog(File) {}

  QStringList Column(size_t col) const {
    QStringList texts;
    for (const QLabel* cell : Dialog.Cells[col])
      texts << cell->text();
    return texts;
  }
  QByteArray FileText() const {
    QFile file(File.Path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  // Presses Reset and answers its question with `button`; returns the question.
  QString Reset(QMessageBox::StandardButton button) {
    QString asked;
    AnswerNextDialog([&asked, button](QWidget* dialog) {
      auto* box = qobject_cast<QMessageBox*>(dialog);
      ASSERT_NE(box, nullptr);
      asked = box->text();
      box->button(button)->click();
    });
    Dialog.ResetBtn->click();
    return asked;
  }

  QTemporaryDir Folder;
  TStatisticsFile File;
  TStatisticsDlg Dialog;
};

}  // namespace

TEST_F(StatisticsDlgTest, OneColumnPerSuitsWithDashesUntilThereIsAWin) {
  for (const TGameResult& game : {TGameResult{4, true, 900, 125.4}, TGameResult{4, false, 300, 10},
                                  TGameResult{4, true, 950, 42.3}, TGameResult{1, false, 200, 5}})
    File.Count(game);
  Dialog.Refresh();
  EXPECT_EQ(Column(0), QStringList({"1", "0", "0 %", "0", "0", "\u2014", "\u2014"}));
  EXPECT_EQ(Column(1), QStringList({"0", "0", "\u2014", "0", "0", "\u2014", "\u2014"}));
  EXPECT_EQ(Column(2), QStringList({"3", "2", "67 %", "1", "1", "950", "42 Sec."}));
  EXPECT_TRUE(Dialog.ProblemLabel->isHidden());
  File.Count({4, true, 800, 3725});
  Dialog.Refresh();
  EXPECT_EQ(Column(2)[6], "42 Sec.");
  EXPECT_EQ(Column(2)[4], "2");
}

TEST_F(StatisticsDlgTest, ADamagedFileShowsZerosAndWhyAndStaysUntilReset) {
  const QByteArray damaged("[Suits4]\nPlayed=2\nWon=5\n");
  QFile file(File.Path());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(damaged) == damaged.size());
  file.close();
  Dialog.Refresh();
  EXPECT_EQ(Column(2)[0], "0");
  EXPECT_FALSE(Dialog.ProblemLabel->isHidden());
  EXPECT_TRUE(Dialog.ProblemLabel->text().contains("more games won than played"));
  EXPECT_TRUE(Dialog.ProblemLabel->text().contains(File.BadPath()));
  EXPECT_EQ(FileText(), damaged);

  EXPECT_EQ(Reset(QMessageBox::No), "Set the statistics of all games to zero?");
  EXPECT_EQ(FileText(), damaged);
  Reset(QMessageBox::Yes);
  EXPECT_TRUE(FileText().startsWith("[Suits1]\nPlayed=0\n"));
  QFile bad(File.BadPath());
  ASSERT_TRUE(bad.open(QIODevice::ReadOnly));
  EXPECT_EQ(bad.readAll(), damaged);
  EXPECT_TRUE(Dialog.ProblemLabel->isHidden());
}

TEST_F(StatisticsDlgTest, ResetAsksAndOnlyYesSetsTheCountsToZero) {
  File.Count({2, true, 700, 60});
  Dialog.Refresh();
  Reset(QMessageBox::No);
  EXPECT_EQ(Column(1)[1], "1");
  Reset(QMessageBox::Yes);
  EXPECT_EQ(Column(1), QStringList({"0", "0", "\u2014", "0", "0", "\u2014", "\u2014"}));
  QString problem;
  EXPECT_EQ(File.Read(problem), TStatistics());
}

TEST(StatisticsWindowTest, TheViewMenuOpensItAndAGameLeftOnClosingIsCounted) {
  TFakeSoundOutput sound;
  TManualClock clock;
  TForm1 form(&sound, &clock);
  form.show();
  const QString path = form.Statistics().Path();
  EXPECT_EQ(path, qEnvironmentVariable("XDG_DATA_HOME") + "/Sorvane32/statistics.ini");
  QMenu* view = form.menuBar()->actions()[2]->menu();
  ASSERT_TRUE(view->actions().contains(form.StatisticsMnu));
  EXPECT_EQ(form.StatisticsMnu->text(), "&Statistics...");

  QString problem;
  const int before = form.Statistics().Read(problem).For(4).Played;
  form.Engine().NewGame();
  form.Engine().DealRow();
  AnswerNextDialog([](QWidget* dialog) {  // "Save Current Game?"
    qobject_cast<QMessageBox*>(dialog)->button(QMessageBox::No)->click();
  });
  EXPECT_TRUE(form.close());
  EXPECT_EQ(form.Statistics().Read(problem).For(4).Played, before + 1);

  QString shown;
  AnswerNextDialog([&form, &shown](QWidget*) {
    shown = form.StatisticsDlg().Cells[2][0]->text();
    form.StatisticsDlg().CloseBtn->click();
  });
  form.StatisticsMnu->trigger();
  EXPECT_EQ(shown, QString::number(before + 1));
}
