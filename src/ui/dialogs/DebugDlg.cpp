#include "ui/dialogs/DebugDlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "game/GameEngine.h"
#include "ui/dialogs/DebugCells.h"
#include "ui/mainwindow/WindowPlace.h"
#include "widgets/DrawGrid.h"

namespace {

constexpr int SlotRowHeight = 19;

TDrawGrid* MakeGrid(int cols, int rows, int rowHeight) {
  auto* grid = new TDrawGrid;
  grid->SetColCount(cols);
  grid->SetRowCount(rows);
  grid->SetDefaultColWidth(50);
  grid->SetRowHeight(rowHeight);
  return grid;
}

}  // namespace

TDebugDlg::TDebugDlg(TGameEngine& engine, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      FEngine(engine) {
  setWindowTitle(QStringLiteral("Debug Tools"));
  setModal(false);
  resize(705, 397);
  PageControl1 = new QTabWidget(this);
  PageControl1->addTab(MakeGameStatePage(), QStringLiteral("Game State"));
  PageControl1->addTab(MakeDeckPage(), QStringLiteral("Deck"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(4, 4, 4, 4);
  column->addWidget(PageControl1, 1);
  column->addWidget(MakeButtonPanel());
}

QWidget* TDebugDlg::MakeGameStatePage() {
  HomeGrid = MakeGrid(HomePiles + 1, HomeSlots + 1, SlotRowHeight);
  HomeGrid->CellText = [this](int col, int row) {
    return HomeGridText(FEngine, UndoChk->isChecked(), col, row);
  };
  PileGrid = MakeGrid(Columns + 1, 21, SlotRowHeight);
  PileGrid->CellText = [this](int col, int row) {
    return PileGridText(FEngine, UndoChk->isChecked(), col, row);
  };
  Splitter1 = new QSplitter(Qt::Vertical);
  Splitter1->addWidget(HomeGrid);
  Splitter1->addWidget(PileGrid);
  Splitter1->setStretchFactor(1, 1);
  Splitter1->setSizes({84, 240});
  return Splitter1;
}

QWidget* TDebugDlg::MakeDeckPage() {
  DeckGrid = MakeGrid(11, 105, 24);
  DeckGrid->SetColWidth(4, 90);
  DeckGrid->CellText = [this](int col, int row) { return DeckGridText(FEngine.Deck(), col, row); };
  return DeckGrid;
}

QWidget* TDebugDlg::MakeButtonPanel() {
  auto* panel = new QWidget(this);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(0, 4, 0, 0);
  UndoChk = new QCheckBox(QStringLiteral("Undo "), panel);
  connect(UndoChk, &QCheckBox::toggled, this, &TDebugDlg::UpdateGrids);
  MouseDis = new QLabel(panel);
  MouseDis->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  MouseDis->setFixedWidth(80);
  MouseDis->setAlignment(Qt::AlignCenter);
  Button1 = new QPushButton(QStringLiteral("Update"), panel);
  connect(Button1, &QPushButton::clicked, this, &TDebugDlg::UpdateGrids);
  CancelBtn = new QPushButton(QStringLiteral("Close"), panel);
  CancelBtn->setAutoDefault(false);
  connect(CancelBtn, &QPushButton::clicked, this, &QWidget::hide);
  row->addWidget(UndoChk);
  row->addWidget(MouseDis);
  row->addStretch(1);
  row->addWidget(Button1);
  row->addWidget(CancelBtn);
  return panel;
}

void TDebugDlg::ShowDebugTools() {
  PresentSideWindow(*this, FPlaced);
}

void TDebugDlg::ShowMousePosition(QPoint p) {
  MouseDis->setText(QString::number(p.x()) + QLatin1Char(' ') + QString::number(p.y()));
}

void TDebugDlg::UpdateGrids() {
  for (TDrawGrid* grid : {HomeGrid, PileGrid, DeckGrid})
    grid->viewport()->update();
}
