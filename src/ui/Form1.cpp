#include "ui/Form1.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "cards/Clock.h"
#include "ui/AudioOutput.h"
#include "ui/FireworksStopHook.h"
#include "ui/GameFonts.h"
#include "ui/GameMessageDlg.h"
#include "ui/PanelLabel.h"
#include "ui/TableImage.h"
#include "ui/ToolGlyphs.h"
#include "widgets/FancyButton.h"
#include "widgets/SubTimer.h"

namespace {

constexpr QColor WindowGreen{0, 128, 0};
constexpr QColor PanelGreen{0, 100, 0};
constexpr QColor CaptionGreen{0, 191, 0};

void Fill(QWidget* widget, QColor background) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, background);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, QColor colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  widget->setPalette(palette);
}

// A status panel: black, lowered, bold green Tahoma, centred text.
void StylePanel(QLabel* panel, const QString& tip) {
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setAlignment(Qt::AlignCenter);
  panel->setFont(GameFont(QStringLiteral("Tahoma"), 15));
  Fill(panel, Qt::black);
  SetTextColour(panel, CaptionGreen);
  panel->setToolTip(tip);
}

}  // namespace

TForm1::TForm1(TSoundOutput* soundOutput, TClock* clock, QWidget* parent)
    : QMainWindow(parent),
      FHook(std::make_unique<TFireworksStopHook>()),
      FAudio(soundOutput != nullptr ? nullptr : std::make_unique<TAudioOutput>()),
      FSoundPlayer(soundOutput != nullptr ? *soundOutput : *FAudio),
      FClock(clock != nullptr ? *clock : TSteadyClock::Instance()) {
  qApp->installEventFilter(FHook.get());
  setWindowTitle(QStringLiteral("Sorvane 32"));
  Fill(this, WindowGreen);
  MakeMenu();
  // The menus keep the system's look; only the window is green.
  Fill(menuBar(), QApplication::palette().color(QPalette::Window));
  MakeTable();
  FGameMessageDlg = new TGameMessageDlg(this);
  setGeometry(467, 264, 801, 545);
  FEngine = std::make_unique<TGameEngine>(static_cast<TGameHost&>(*this));
  Image1->SetPicture(&FEngine->TablePicture());
  FEngine->ResizeTable(Image1->size());
  FEngine->EngineStart();
}

TForm1::~TForm1() {
  qApp->removeEventFilter(FHook.get());
  FSoundPlayer.StopSound();
}

// ---- Menu -----------------------------------------------------------------

QAction* TForm1::AddItem(QMenu* menu, const QString& caption, void (TForm1::*handler)()) {
  QAction* item = menu->addAction(caption);
  if (handler != nullptr)
    connect(item, &QAction::triggered, this, handler);
  else
    item->setEnabled(false);  // its command comes with a later part of the program
  return item;
}

// A check-mark item; those without a handler only toggle their mark, which
// the engine reads.
QAction* TForm1::AddOption(QMenu* menu, const QString& caption, void (TForm1::*handler)()) {
  QAction* item = menu->addAction(caption);
  item->setCheckable(true);
  if (handler != nullptr)
    connect(item, &QAction::triggered, this, handler);
  return item;
}

void TForm1::MakeMenu() {
  MakeGameMenu();
  MakeMoveMenu();
  MakeViewMenu();
  MakeOptionsMenu();
  MakeHelpMenu();
}

void TForm1::MakeGameMenu() {
  QMenu* menu = menuBar()->addMenu(QStringLiteral("&Game"));
  NewMnu = AddItem(menu, QStringLiteral("New"), &TForm1::NewMnuClick);
  menu->addSeparator();
  LoadMnu = AddItem(menu, QStringLiteral("&Load..."));
  ReloadMnu = menu->addMenu(QStringLiteral("&Reload"));
  ReloadMnu->setEnabled(false);
  SaveMnu = AddItem(menu, QStringLiteral("&Save..."));
  SaveAsMnu = AddItem(menu, QStringLiteral("Save &As..."));
  menu->addSeparator();
  ExitMnu = menu->addAction(QStringLiteral("&Exit"));
  connect(ExitMnu, &QAction::triggered, this, &QWidget::close);
}

void TForm1::MakeMoveMenu() {
  QMenu* menu = menuBar()->addMenu(QStringLiteral("&Move"));
  UndoMnu = AddItem(menu, QStringLiteral("&Undo"), &TForm1::UndoMnuClick);
  UndoMnu->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  DealMnu = AddItem(menu, QStringLiteral("&Deal Row"), &TForm1::NewMnuClick);
  DealMnu->setShortcut(QKeySequence(Qt::Key_F2));
  ReplayMnu = AddItem(menu, QStringLiteral("&Replay"), &TForm1::ReplayMnuClick);
  ReplayMnu->setShortcut(QKeySequence(Qt::Key_R));
}

void TForm1::MakeViewMenu() {
  QMenu* menu = menuBar()->addMenu(QStringLiteral("&View"));
  DisplayColumnMnu = AddItem(menu, QStringLiteral("&Display Column..."));
  LocateCardMnu = AddItem(menu, QStringLiteral("&Locate Card..."));
}

void TForm1::MakeOptionsMenu() {
  QMenu* menu = menuBar()->addMenu(QStringLiteral("Options"));
  CardBacksMnu = AddItem(menu, QStringLiteral("&Card Backs..."));
  SmallCardsMnu = AddOption(menu, QStringLiteral("&Small Cards"), &TForm1::SmallCardsMnuClick);
  menu->addSeparator();
  AutoMoveMnu = AddOption(menu, QStringLiteral("&Auto-Move Mode"));
  DisableSoundMnu =
      AddOption(menu, QStringLiteral("&Disable Sound"), &TForm1::DisableSoundMnuClick);
  VerboseMnu = AddOption(menu, QStringLiteral("&Verbose"));
  VerboseMnu->setChecked(true);
  menu->addSeparator();
  SaveDefaultsMnu = AddItem(menu, QStringLiteral("Save &Defaults"));
  RestoreDefaultsMnu = AddItem(menu, QStringLiteral("&Restore Defaults"));
  FactoryDefaultsMnu = AddItem(menu, QStringLiteral("&Factory Defaults"));
  DebugMnu = AddItem(menu, QStringLiteral("De&bug..."));
}

void TForm1::MakeHelpMenu() {
  QMenu* menu = menuBar()->addMenu(QStringLiteral("&Help"));
  ContentsMnu = AddItem(menu, QStringLiteral("&Contents..."));
  menu->addSeparator();
  AboutMnu = AddItem(menu, QStringLiteral("&About..."));
}

// ---- Tool bar, table and status bar ----------------------------------------

void TForm1::MakeTable() {
  auto* client = new QWidget(this);
  auto* column = new QVBoxLayout(client);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  MakeToolBar();
  Image1 = new TTableImage(client);
  MakeStatusBar();
  column->addWidget(Panel2);
  column->addWidget(Image1, 1);
  column->addWidget(Panel6);
  setCentralWidget(client);

  Image1->OnMouseDown = [this](int buttons, QPoint p) {
    FEngine->TableMouseDown(buttons, p.x(), p.y());
  };
  Image1->OnMouseMove = [this](QPoint p) { FEngine->TableMouseMove(p.x(), p.y()); };
  Image1->OnMouseUp = [this](QPoint p) { FEngine->TableMouseUp(p.x(), p.y()); };
  Image1->OnResize = [this](QSize size) {
    if (FEngine != nullptr && !QCoreApplication::closingDown())
      FEngine->ResizeTable(size);
  };

  DisplayTimer = new QTimer(this);
  DisplayTimer->setInterval(1000);
  connect(DisplayTimer, &QTimer::timeout, this, &TForm1::DisplayTimerTimer);
}

void TForm1::MakeToolBar() {
  Panel2 = new QWidget;
  Panel2->setFixedHeight(42);
  Fill(Panel2, PanelGreen);
  const auto make = [this](int left, int width, const QString& caption, const QString& tip) {
    auto* button = new TFancyButton(Panel2);
    button->setGeometry(left, 4, width, 34);
    button->setText(caption);
    button->setToolTip(tip);
    button->setFont(GameFont(QStringLiteral("Georgia"), 27));
    button->setFocusPolicy(Qt::NoFocus);
    button->SetFontColor(CaptionGreen);
    button->SetFrameDarkest(QColor(25, 25, 25));
    button->SetFrameDark(QColor(51, 51, 51));
    button->SetFrameLightest(QColor(150, 150, 150));
    button->SetFrameLight(QColor(100, 100, 100));
    button->SetGradColor1(QColor(128, 128, 128));
    button->SetGradColor2(QColor(0, 0, 0));
    button->SetGradient(true);
    return button;
  };
  DealBtn = make(5, 204, QStringLiteral("New Game"), QStringLiteral("Deal Cards"));
  DealBtn->SetGlyph(DealGlyph());
  connect(DealBtn, &QPushButton::clicked, this, &TForm1::NewMnuClick);
  UndoBtn = make(210, 188, QStringLiteral("Undo"), QStringLiteral("Undo Last Move"));
  UndoBtn->SetGlyph(UndoGlyph());
  connect(UndoBtn, &QPushButton::clicked, this, &TForm1::UndoMnuClick);
  FancyButton1 = make(399, 400, QString(), QStringLiteral("Show Next Hint"));
  FancyButton1->setEnabled(false);
}

void TForm1::MakeStatusBar() {
  Panel6 = new QWidget;
  Panel6->setFixedHeight(31);
  Fill(Panel6, PanelGreen);
  auto* row = new QHBoxLayout(Panel6);
  row->setContentsMargins(4, 4, 4, 4);
  row->setSpacing(0);
  const auto add = [this, row](TStatusPanel id, int width, const QString& tip) {
    auto* panel = new TPanelLabel(Panel6);
    StylePanel(panel, tip);
    if (width > 0)
      panel->setFixedWidth(width);
    row->addWidget(panel, width > 0 ? 0 : 1);
    FPanels[static_cast<size_t>(id)] = panel;
  };
  add(CurCardDis, 55, QStringLiteral("Card Under Cursor"));
  add(MoveCntDis, 36, QStringLiteral("Possible Moves"));
  add(MessageDis, 167, QStringLiteral("Messages"));
  add(ErrorDis, 0, QStringLiteral("Errors"));
  add(ScoreDis, 80, QStringLiteral("Score"));
  GameTime = new TSubTimer(Panel6);
  StylePanel(GameTime, QStringLiteral("Elapsed Time"));
  GameTime->setFixedWidth(95);
  GameTime->SetResolution(rsAutoScale);
  GameTime->SetDigits(0);
  GameTime->UpdateDisplay();
  row->addWidget(GameTime);
}

void TForm1::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  PlaceHintButton();
}

// The hint button keeps the gap to the window's right edge it was given.
void TForm1::PlaceHintButton() {
  if (FancyButton1 != nullptr)
    FancyButton1->setFixedWidth(std::max(0, width() - 399 - 2));
}

// ---- Commands -------------------------------------------------------------

void TForm1::NewMnuClick() {
  if (!FEngine->Busy)
    FEngine->PromptNewGame();
}

void TForm1::UndoMnuClick() {
  FEngine->UndoMove();
}

void TForm1::ReplayMnuClick() {
  if (!FEngine->Busy)
    FEngine->PromptReplay();
}

void TForm1::SmallCardsMnuClick() {
  if (FEngine->Busy || FEngine->Dragging) {
    SmallCardsMnu->setChecked(FEngine->SmallCards);
    return;
  }
  FEngine->ApplyCardSize(!FEngine->SmallCards);
}

void TForm1::DisableSoundMnuClick() {
  FSoundPlayer.SoundOff = DisableSoundMnu->isChecked();
  if (FSoundPlayer.SoundOff)
    FSoundPlayer.StopSound();
}

void TForm1::DisplayTimerTimer() {
  GameTime->UpdateDisplay();
}

// ---- The engine's host ----------------------------------------------------

void TForm1::ShowTable() {
  Image1->repaint();
}

void TForm1::ProcessMessages() {
  QApplication::processEvents();
}

TClock& TForm1::Clock() {
  return FClock;
}

void TForm1::PlaySound(int sound, bool loop) {
  FSoundPlayer.PlaySound(sound, loop);
}

void TForm1::StopSound() {
  FSoundPlayer.StopSound();
}

void TForm1::SetPanelText(TStatusPanel panel, const QString& text) {
  Panel(panel)->setText(text);
}

QRgb TForm1::PanelColour(TStatusPanel panel) const {
  return Panel(panel)->palette().color(QPalette::WindowText).rgb();
}

void TForm1::SetPanelColour(TStatusPanel panel, QRgb colour) {
  SetTextColour(Panel(panel), QColor(colour));
  Panel(panel)->repaint();
}

void TForm1::SetCaption(const QString& caption) {
  setWindowTitle(caption);
}

void TForm1::ShowErrorBox(const QString& text) {
  QMessageBox::information(this, QApplication::applicationName(), text);
}

TGameMessageResult TForm1::ShowGameMessage(int page, const QString& caption, const QString& text,
                                           const QString& okCaption, const QString& cancelCaption) {
  return FGameMessageDlg->ShowGameMessage(page, caption, text, okCaption, cancelCaption);
}

void TForm1::SetGameClock(bool on) {
  if (on) {
    GameTime->Reset();
    GameTime->Start();
    DisplayTimer->start();
  } else {
    GameTime->Stop();
    GameTime->UpdateDisplay();
    DisplayTimer->stop();
  }
}

void TForm1::ShowWinner() {}

bool TForm1::FireworksRunning() const {
  return false;
}

bool TForm1::AutoMoveMode() const {
  return AutoMoveMnu->isChecked();
}

bool TForm1::VerboseMode() const {
  return VerboseMnu->isChecked();
}

void TForm1::SetSmallCardsChecked(bool checked) {
  SmallCardsMnu->setChecked(checked);
}

int TForm1::ScreenWidth() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->geometry().width() : 1024;
}
