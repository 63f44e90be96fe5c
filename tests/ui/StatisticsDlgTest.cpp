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

#include "cards/Clock.h"
#include "ui/UiTestSupport.h"
#include "ui/dialogs/StatisticsDlg.h"
#include "ui/mainwindow/Form1.h"

TEST(StatisticsDlgTest, AColumnShowsDashesUntilAWinAndTheTimeAsThePanelDoes) {
  const QString dash = QStringLiteral("\u2014");
  using TColumn = std::array<QString, 7>;
  EXPECT_EQ(StatisticsColumn({1, 0, 0, 0, 0, std::nullopt}),
            (TColumn{"1", "0", "0 %", "0", "0", dash, dash}));
  EXPECT_EQ(StatisticsColumn({}), (TColumn{"0", "0", dash, "0", "0", dash, dash}));
  EXPECT_EQ(StatisticsColumn({3, 2, 1, 2, 950, 125.4}),
            (TColumn{"3", "2", "67 %", "1", "2", "950", "02:05 min"}));
}

TEST(StatisticsDlgTest, ADamagedFileShowsZerosAndWhyAndResetAsksBeforeItReplacesIt) {
  QTemporaryDir folder;
  TStatisticsFile file(folder.filePath("statistics.ini"));
  const QByteArray damaged("[Suits4]\nPlayed=2\nWon=5\n");
  QFile out(file.Path());
  ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(damaged) == damaged.size());
  out.close();
  TStatisticsDlg dialog(file);
  dialog.Refresh();
  EXPECT_FALSE(dialog.ProblemLabel->isHidden());
  EXPECT_TRUE(dialog.ProblemLabel->text().contains("more games won than played"));
  EXPECT_TRUE(dialog.ProblemLabel->text().contains(file.BadPath()));
  for (const auto button : {QMessageBox::No, QMessageBox::Yes}) {
    AnswerNextDialog([button](QWidget* box) {
      EXPECT_EQ(qobject_cast<QMessageBox*>(box)->text(),
                "Set the statistics of all games to zero?");
      qobject_cast<QMessageBox*>(box)->button(button)->click();
    });
    dialog.ResetBtn->click();
    EXPECT_EQ(QFile::exists(file.BadPath()), button == QMessageBox::Yes);
  }
  EXPECT_TRUE(dialog.ProblemLabel->isHidden());
  QString problem;
  EXPECT_EQ(file.Read(problem), TStatistics());
  EXPECT_TRUE(problem.isEmpty());
}

TEST(StatisticsDlgTest, TheViewMenuOpensItAndAGameLeftOnClosingIsCounted) {
  TFakeSoundOutput sound;
  TManualClock clock;
  TForm1 form(&sound, &clock);
  form.show();
  EXPECT_EQ(form.Statistics().Path(),
            qEnvironmentVariable("XDG_DATA_HOME") + "/Sorvane32/statistics.ini");
  EXPECT_EQ(form.StatisticsMnu->text(), "&Statistics...");
  EXPECT_TRUE(form.menuBar()->actions()[2]->menu()->actions().contains(form.StatisticsMnu));
  QString problem;
  const int before = form.Statistics().Read(problem).For(4).Played;
  form.Engine().NewGame();
  form.Engine().DealRow();
  AnswerNextDialog([](QWidget* box) {  // "Save Current Game?"
    qobject_cast<QMessageBox*>(box)->button(QMessageBox::No)->click();
  });
  EXPECT_TRUE(form.close());
  QString shown;
  AnswerNextDialog([&form, &shown](QWidget*) {
    shown = form.StatisticsDlg().Cells[2][0]->text();
    form.StatisticsDlg().CloseBtn->click();
  });
  form.StatisticsMnu->trigger();
  EXPECT_EQ(shown, QString::number(before + 1));
}
