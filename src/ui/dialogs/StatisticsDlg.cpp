#include "ui/dialogs/StatisticsDlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "persist/IniFile.h"
#include "persist/StatisticsFile.h"
#include "widgets/SubTimer.h"

namespace {

const QString Dash = QStringLiteral("\u2014");

QString TimeText(double seconds) {
  const QString point = QLocale().decimalPoint();
  const auto micro = static_cast<int64_t>(std::min(seconds, 1e12) * 1e6);
  return SubTimerCaption(micro, rsAutoScale, 0, point.isEmpty() ? QLatin1Char('.') : point.front());
}

QString ShareText(const TSuitStatistics& s) {
  if (s.Played <= 0)
    return Dash;
  const double share = 100.0 * s.Won / s.Played;
  return QString::number(std::lround(share)) + QStringLiteral(" %");
}

}  // namespace

std::array<QString, 7> StatisticsColumn(const TSuitStatistics& s) {
  const bool anyWin = s.Won > 0;
  return {QString::number(s.Played),
          QString::number(s.Won),
          ShareText(s),
          QString::number(s.CurrentStreak),
          QString::number(s.LongestStreak),
          anyWin ? QString::number(s.BestScore) : Dash,
          s.FastestWin ? TimeText(*s.FastestWin) : Dash};
}

TStatisticsDlg::TStatisticsDlg(TStatisticsFile& file, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), FFile(file) {
  setWindowTitle(QStringLiteral("Statistics"));
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(24);
  const QStringList heads{QStringLiteral("One Suit"), QStringLiteral("Two Suits"),
                          QStringLiteral("Four Suits")};
  const QStringList rows{QStringLiteral("Games played"),   QStringLiteral("Games won"),
                         QStringLiteral("Share won"),      QStringLiteral("Current streak"),
                         QStringLiteral("Longest streak"), QStringLiteral("Best score"),
                         QStringLiteral("Fastest win")};
  for (int col = 0; col < 3; ++col) {
    auto* head = new QLabel(QStringLiteral("<b>%1</b>").arg(heads[col]), this);
    head->setAlignment(Qt::AlignRight);
    grid->addWidget(head, 0, col + 1);
  }
  for (int row = 0; row < Rows; ++row) {
    grid->addWidget(new QLabel(rows[row], this), row + 1, 0);
    for (size_t col = 0; col < Cells.size(); ++col) {
      QLabel*& cell = Cells[col][static_cast<size_t>(row)];
      cell = new QLabel(this);
      cell->setAlignment(Qt::AlignRight);
      grid->addWidget(cell, row + 1, static_cast<int>(col) + 1);
    }
  }
  ProblemLabel = new QLabel(this);
  ProblemLabel->setWordWrap(true);
  ProblemLabel->setTextFormat(Qt::PlainText);
  ProblemLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  ProblemLabel->setMaximumWidth(420);
  ProblemLabel->setStyleSheet(QStringLiteral("color: #b00000"));

  auto* buttons = new QDialogButtonBox(this);
  ResetBtn = buttons->addButton(QStringLiteral("&Reset"), QDialogButtonBox::ResetRole);
  CloseBtn = buttons->addButton(QDialogButtonBox::Close);
  CloseBtn->setDefault(true);
  connect(ResetBtn, &QPushButton::clicked, this, &TStatisticsDlg::ResetBtnClick);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(ProblemLabel);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TStatisticsDlg::Execute(const QString& note) {
  Refresh(note);
  exec();
}

void TStatisticsDlg::Refresh(const QString& note) {
  QString problem;
  const TStatistics statistics = FFile.Read(problem);
  for (size_t col = 0; col < Cells.size(); ++col) {
    const auto texts = StatisticsColumn(statistics.For(TStatistics::SuitCounts[col]));
    for (size_t row = 0; row < texts.size(); ++row)
      Cells[col][row]->setText(texts[row]);
  }
  QStringList lines;
  if (!problem.isEmpty())
    lines << QStringLiteral(
                 "The statistics file %1 is damaged or cannot be read, so the counts "
                 "show zero. %2 "
                 "The next game counted or Reset starts it afresh and keeps the old "
                 "one as %3.")
                 .arg(QDir::toNativeSeparators(FFile.Path()), problem,
                      QDir::toNativeSeparators(FFile.BadPath()));
  if (!note.isEmpty())
    lines << note;
  ProblemLabel->setText(lines.join(QStringLiteral("\n\n")));
  ProblemLabel->setVisible(!lines.isEmpty());
}

void TStatisticsDlg::ResetBtnClick() {
  const auto answer =
      QMessageBox::question(this, QStringLiteral("Statistics"),
                            QStringLiteral("Set the statistics of all games to zero?"),
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
  if (answer != QMessageBox::Yes)
    return;
  try {
    FFile.Reset();
  } catch (const EIniFileError& error) {
    Refresh(QStringLiteral("The statistics could not be reset: ") +
            QString::fromStdString(error.what()));
    return;
  }
  Refresh();
}
