#include "ui/dialogs/GameMessageDlg.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "ui/look/GameFonts.h"
#include "widgets/FancyButton.h"

namespace {

constexpr QColor TableGreen{0, 100, 0};
constexpr QColor DarkGreen{0, 64, 0};

void Paint(QWidget* widget, QColor background, QColor text = QColor()) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, background);
  if (text.isValid()) {
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
  }
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

}  // namespace

TGameMessageDlg::TGameMessageDlg(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setFixedSize(392, 182);
  Paint(this, TableGreen);
  PageControl1 = new QStackedWidget(this);
  PageControl1->setGeometry(0, 0, 392, 135);
  MakeMessagePage();
  MakeChoicePage();
  MakeButtons();
}

void TGameMessageDlg::MakeMessagePage() {
  auto* TabSheet1 = new QWidget;
  MessDis = new QLabel(TabSheet1);
  MessDis->setGeometry(5, 5, 392 - 10, 135 - 10);
  MessDis->setFont(GameFont(QStringLiteral("Georgia"), 16));
  MessDis->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Paint(MessDis, TableGreen, QColor(255, 255, 0));
  PageControl1->addWidget(TabSheet1);
}

void TGameMessageDlg::MakeChoicePage() {
  auto* TabSheet2 = new QWidget;
  DealRadio = new QGroupBox(QStringLiteral("What would you like to do?"), TabSheet2);
  DealRadio->setGeometry(4, 4, 392 - 8, 97);
  DealRadio->setFont(GameFont(QStringLiteral("Georgia"), 13));
  Paint(DealRadio, DarkGreen, QColor(0, 192, 0));
  auto* column = new QVBoxLayout(DealRadio);
  column->setSpacing(2);
  const char* items[] = {"Start New Game", "Restart Current Game", "Keep Playing this Game"};
  for (size_t i = 0; i < DealChoices.size(); ++i) {
    DealChoices[i] = new QRadioButton(QString::fromLatin1(items[i]), DealRadio);
    column->addWidget(DealChoices[i]);
  }
  PageControl1->addWidget(TabSheet2);
}

void TGameMessageDlg::MakeButtons() {
  Panel1 = new QWidget(this);
  Panel1->setGeometry(0, 182 - 47, 392, 47);
  Paint(Panel1, TableGreen);
  const auto make = [this](int left) {
    auto* button = new TFancyButton(Panel1);
    button->setGeometry(left, 4, 114, 34);
    button->setFont(GameFont(QStringLiteral("Georgia"), 27));
    button->SetFontColor(QColor(0, 191, 0));
    button->SetFrameDarkest(DarkGreen);
    button->SetFrameDark(QColor(0, 192, 0));
    button->SetFrameLight(QColor(0, 192, 0));
    button->SetFrameLightest(QColor(0, 255, 0));
    button->SetGradColor1(QColor(0, 128, 0));
    button->SetGradColor2(DarkGreen);
    button->SetGradient(true);
    button->SetMargin(-1);
    return button;
  };
  OKBtn = make(16);
  CancelBtn = make(264);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TGameMessageResult TGameMessageDlg::ShowGameMessage(int page, const QString& caption,
                                                    const QString& text, const QString& okCaption,
                                                    const QString& cancelCaption) {
  DealChoices[0]->setChecked(true);
  setWindowTitle(caption);
  MessDis->setText(text);
  PageControl1->setCurrentIndex(page == gpChoice ? 1 : 0);
  OKBtn->setVisible(!okCaption.isEmpty());
  CancelBtn->setVisible(!cancelCaption.isEmpty());
  OKBtn->setText(okCaption);
  CancelBtn->setText(cancelCaption);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
  const int closed = exec() == QDialog::Accepted ? gmOK : gmCancel;
  return closed | SelectedChoice();
}

TGameMessageResult TGameMessageDlg::SelectedChoice() const {
  if (DealChoices[1]->isChecked())
    return gmReplay;
  if (DealChoices[2]->isChecked())
    return gmKeepPlaying;
  return gmNewGame;
}
