#include "ui/mainwindow/Form1.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>

#include "cards/Clock.h"
#include "game/HintController.h"
#include "ui/celebration/FireworksStopHook.h"
#include "ui/celebration/WinnerWindow.h"
#include "ui/dialogs/GameMessageDlg.h"
#include "ui/help/CHMHelper.h"
#include "ui/help/HelpWindow.h"
#include "ui/look/GameFonts.h"
#include "ui/look/WidgetColours.h"
#include "ui/mainwindow/AudioOutput.h"
#include "ui/mainwindow/HintDisplay.h"
#include "ui/mainwindow/PanelLabel.h"
#include "ui/mainwindow/TableImage.h"
#include "ui/mainwindow/ToolGlyphs.h"
#include "widgets/FancyButton.h"
#include "widgets/SubTimer.h"

namespace {

constexpr QColor WindowGreen{0, 128, 0};
constexpr QColor PanelGreen{0, 100, 0};
constexpr QColor CaptionGreen{0, 191, 0};

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

TForm1::TForm1(TSoundOutput* soundOutput, TClock* clock, QWidget* parent,
               const QString& settingsFile)
    : QMainWindow(parent),
      FHook(std::make_unique<TFireworksStopHook>()),
      FAudio(soundOutput != nullptr ? nullptr : std::make_unique<TAudioOutput>()),
      FSoundPlayer(soundOutput != nullptr ? *soundOutput : *FAudio),
      FClock(clock != nullptr ? *clock : TSteadyClock::Instance()),
      FSettingsFile(settingsFile) {
  qApp->installEventFilter(FHook.get());
  setWindowTitle(QStringLiteral("Sorvane 32"));
  Fill(this, WindowGreen);
  MakeMenu();
  // The menus keep the system's look; only the window is green.
  Fill(menuBar(), QApplication::palette().color(QPalette::Window));
  MakeTable();
  MakeFileDialogs();
  // The window's frame stands at (467, 264) where the window manager allows it.
  resize(DesignSize());
  move(467, 264);
  // The cards are drawn for the screen's pixels from the start.
  FEngine = std::make_unique<TGameEngine>(static_cast<TGameHost&>(*this), TRandom::Program(),
                                          devicePixelRatioF());
  // The celebration drew over the whole table: it is all repainted after it.
  FWinner = std::make_unique<TWinnerWindow>(*this, *Image1, FSoundPlayer, FClock, [this] {
    FEngine->RepaintAll();
    FEngine->Redraw(true);
  });
  // The table is painted straight from the engine's state: no picture of
  // the whole window is kept beside the window's own.
  FEngine->SetKeepPicture(false);
  Image1->SetPicture(&FEngine->KeptPicture());
  Image1->CheckPixelRatio();
  MakeHint();
  // The cards are gathered before the table's first paint, which then shows
  // the stock's backs and draws no face.
  FEngine->EngineStart();
  FEngine->SetFitCards(true);
  FitCardsMnu->setChecked(true);
  FitTableToWindow();
  MakeSettings();
  MakeSideWindows();
  MakeTableKeys();
}

TForm1::~TForm1() {
  qApp->removeEventFilter(FHook.get());
  FSoundPlayer.StopSound();
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

  Image1->OnMouseDown = [this](int buttons, QPoint p) { Image1MouseDown(buttons, p); };
  Image1->OnMouseMove = [this](QPoint p) { Image1MouseMove(p); };
  Image1->OnMouseUp = [this](QPoint p) { Image1MouseUp(p); };
  Image1->OnFrameDue = [this] {
    if (FEngine)
      FEngine->ShowHeldFrame();
  };
  // A window dragged larger sends a resize for every step: the table is laid
  // out and drawn once, after the last one waiting.
  FTableResize = new QTimer(this);
  FTableResize->setSingleShot(true);
  FTableResize->setInterval(0);
  connect(FTableResize, &QTimer::timeout, this, &TForm1::FitTableToWindow);
  Image1->OnResize = [this](QSize size) {
    // The first show reports the size the table already has: no new picture.
    if (FEngine == nullptr || QCoreApplication::closingDown() || size == FEngine->WindowSize())
      return;
    // The window's first show lays the table out before its first paint.
    if (Image1->isVisible())
      FTableResize->start();
    else
      FitTableToWindow();
  };
  // A resize is followed by a paint of the window: the table is laid out
  // for its new size as that paint starts, so that it is painted once, at
  // that size, and not first as it was.
  Image1->OnBeforePaint = [this] {
    if (FTableResize->isActive())
      FitTableToWindow();
  };
  Image1->OnPixelRatio = [this](double ratio) {
    if (FEngine != nullptr)
      ApplyPixelRatio(ratio);
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
  FancyButton1 = make(399, 400, QStringLiteral("Hint"), QStringLiteral("Show Next Hint"));
  FancyButton1->SetGlyph(HintGlyph());
  FancyButton1->setEnabled(false);  // until a game is dealt
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
