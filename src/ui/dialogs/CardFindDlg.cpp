#include "ui/dialogs/CardFindDlg.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace {

constexpr int RadioColumns = 4;
constexpr std::array<const char*, 13> RankWords{"Ace",  "Two",   "Three", "Four", "Five",
                                                "Six",  "Seven", "Eight", "Nine", "Ten",
                                                "Jack", "Queen", "King"};
constexpr std::array<const char*, 4> SuitWords{"Hearts", "Diamonds", "Clubs", "Spades"};

}  // namespace

TCardFindDlg::TCardFindDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setWindowTitle(QStringLiteral("Select Card to Locate"));
  setFixedSize(306, 230);
  // The four columns of names fit the fixed width in a small font.
  QFont small = font();
  small.setPointSizeF(std::min(small.pointSizeF(), 8.0));
  setFont(small);
  RankRadio = MakeRadioGroup(QStringLiteral("Rank"), RankWords, RankItems, FRanks);
  RankRadio->setGeometry(8, 8, 290, 122);
  SuitRadio = MakeRadioGroup(QStringLiteral("Suit"), SuitWords, SuitItems, FSuits);
  SuitRadio->setGeometry(8, 136, 290, 50);

  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setGeometry(140, 196, 75, 25);
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
  CancelBtn->setGeometry(223, 196, 75, 25);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

template <size_t N>
QGroupBox* TCardFindDlg::MakeRadioGroup(const QString& caption,
                                        const std::array<const char*, N>& items,
                                        std::array<QRadioButton*, N>& buttons,
                                        QButtonGroup*& group) {
  auto* box = new QGroupBox(caption, this);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(6, 2, 2, 2);
  grid->setSpacing(0);
  group = new QButtonGroup(this);
  const int perColumn = static_cast<int>((N + RadioColumns - 1) / RadioColumns);
  for (size_t i = 0; i < N; ++i) {
    buttons[i] = new QRadioButton(QString::fromLatin1(items[i]), box);
    group->addButton(buttons[i], static_cast<int>(i));
    const int n = static_cast<int>(i);
    grid->addWidget(buttons[i], n % perColumn, n / perColumn);
  }
  buttons[0]->setChecked(true);
  return box;
}

bool TCardFindDlg::Execute() {
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
  return exec() == QDialog::Accepted;
}

int TCardFindDlg::Rank() const {
  return FRanks->checkedId();
}

int TCardFindDlg::Suit() const {
  return FSuits->checkedId();
}
