#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "persist/Statistics.h"

class QLabel;
class QPushButton;
class TStatisticsFile;

// The texts of one column of the statistics window, in the order of its
// rows: games played, won, share won, current and longest streak, best
// score and fastest win (as the time panel shows a time); a dash where there
// is nothing to show yet.
std::array<QString, 7> StatisticsColumn(const TSuitStatistics& statistics);

// "Statistics": the counts of the statistics file, one column per number of
// suits, read afresh each time the window opens, and "&Reset", which asks
// before it sets them all to zero. A file that cannot be read shows zeros
// and says why.
class TStatisticsDlg : public QDialog {
 public:
  static constexpr int Rows = 7;

  explicit TStatisticsDlg(TStatisticsFile& file, QWidget* parent = nullptr);

  // Shows the window modally; `note` is a line to show below the counts,
  // such as why the last game could not be counted.
  void Execute(const QString& note = QString());
  // Reads the file and shows its counts, and the note when there is one.
  void Refresh(const QString& note = QString());

  std::array<std::array<QLabel*, Rows>, 3> Cells{};  // by column of suits, then row
  QLabel* ProblemLabel = nullptr;
  QPushButton* ResetBtn = nullptr;
  QPushButton* CloseBtn = nullptr;

 private:
  void ResetBtnClick();

  TStatisticsFile& FFile;
};
