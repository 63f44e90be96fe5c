// The main window's statistics: each finished game the engine tells of is
// counted in the statistics file, and "Statistics..." shows the counts.

#include "persist/IniFile.h"
#include "ui/dialogs/StatisticsDlg.h"
#include "ui/mainwindow/Form1.h"

TStatisticsDlg& TForm1::StatisticsDlg() {
  if (FStatisticsDlg == nullptr)
    FStatisticsDlg = new TStatisticsDlg(FStatistics, this);
  return *FStatisticsDlg;
}

void TForm1::StatisticsMnuClick() {
  StatisticsDlg().Execute(FStatisticsNote);
}

// A count that cannot be written does not interrupt play; the statistics
// window tells of it.
void TForm1::GameFinished(const TGameResult& result) {
  try {
    FStatistics.Count(result);
    FStatisticsNote.clear();
  } catch (const EIniFileError& error) {
    FStatisticsNote = QStringLiteral("The last game could not be counted: ") +
                      QString::fromStdString(error.what());
  }
}
