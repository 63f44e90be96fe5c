#include "ui/dialogs/SolveDlg.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "game/GameEngine.h"

TSolveDlg::TSolveDlg(TGameEngine& engine, std::unique_ptr<THintSearcher> searcher, QWidget* parent)
    : QDialog(parent), FEngine(engine), FSearcher(std::move(searcher)) {
  setWindowTitle(QStringLiteral("Solve"));
  setModal(false);
  Message = new QLabel(this);
  Message->setWordWrap(true);
  Message->setMinimumWidth(320);
  PlayBtn = new QPushButton(QStringLiteral("&Play It"), this);
  CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
  CloseBtn = new QPushButton(QStringLiteral("Close"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(PlayBtn);
  buttons->addWidget(CancelBtn);
  buttons->addWidget(CloseBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Message);
  layout->addLayout(buttons);
  connect(PlayBtn, &QPushButton::clicked, this, [this] { PlayClick(); });
  connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelClick(); });
  connect(CloseBtn, &QPushButton::clicked, this, [this] { reject(); });
  FProgress.setInterval(250);
  connect(&FProgress, &QTimer::timeout, this, [this] { ShowProgress(); });
  SetState(Idle_, QString());
}

TSolveDlg::~TSolveDlg() {
  if (FState == Playing_)
    qApp->removeEventFilter(this);
}

void TSolveDlg::SetSearcher(std::unique_ptr<THintSearcher> searcher) {
  FSearcher->Cancel();
  FSearcher = std::move(searcher);
}

void TSolveDlg::Execute() {
  show();
  raise();
  activateWindow();
  if (FState != Playing_)
    StartSearch();
}

void TSolveDlg::SetState(TState state, const QString& text) {
  FState = state;
  if (!text.isEmpty())
    Message->setText(text);
  PlayBtn->setEnabled(state == Answered_ && !FLine.empty());
  CancelBtn->setText(state == Searching_ ? QStringLiteral("Cancel")
                                         : QStringLiteral("&Search Again"));
  CancelBtn->setEnabled(state != Playing_);
  if (state != Searching_)
    FProgress.stop();
}

void TSolveDlg::StartSearch() {
  FLine.clear();
  if (!FEngine.CardsDealt || FEngine.GameState != gsPlaying) {
    FSearcher->Cancel();
    SetState(Idle_, QStringLiteral("There is no game in play to solve."));
    return;
  }
  FTable = SolverTableOf(FEngine);
  FElapsed.start();
  SetState(Searching_, QString());
  ShowProgress();
  FProgress.start();
  TSolveLimits limits;
  limits.Time = Budget;
  FSearcher->Start(FTable, limits, THintSearcher::Normal,
                   [this](const TSolveResult& result) { SearchDone(result); });
}

void TSolveDlg::ShowProgress() {
  const auto seconds = FElapsed.elapsed() / 1000;
  const auto budget = std::chrono::duration_cast<std::chrono::seconds>(Budget).count();
  Message->setText(QStringLiteral("Searching for a way to win: %1 of at most %2 seconds...")
                       .arg(seconds)
                       .arg(budget));
}

void TSolveDlg::SearchDone(const TSolveResult& result) {
  switch (result.Status) {
    case TSolveStatus::Won: {
      FLine = result.Line;
      const int n = static_cast<int>(FLine.size());
      SetState(Answered_, QStringLiteral("This game can be won from here in %1 %2.")
                              .arg(n)
                              .arg(n == 1 ? QStringLiteral("move") : QStringLiteral("moves")));
      if (OnLineFound)
        OnLineFound(FTable, FLine);
      break;
    }
    case TSolveStatus::Lost:
      SetState(Answered_, QStringLiteral("This game cannot be won from here."));
      break;
    case TSolveStatus::Unknown:
      SetState(Answered_, QStringLiteral("No way to win was found from here."));
      break;
  }
}

void TSolveDlg::TableMayHaveChanged() {
  if (FState != Searching_ && FState != Answered_)
    return;
  if (FEngine.Busy || SameTable(SolverTableOf(FEngine), FTable))
    return;
  if (FState == Searching_) {
    StartSearch();  // the old table's answer would be no use
    return;
  }
  FLine.clear();
  SetState(Stale_, QStringLiteral("The table has changed since this answer."));
}

void TSolveDlg::CancelClick() {
  if (FState == Searching_) {
    FSearcher->Cancel();
    SetState(Idle_, QStringLiteral("The search was cancelled."));
  } else {
    StartSearch();
  }
}

void TSolveDlg::reject() {
  if (FState == Searching_) {
    FSearcher->Cancel();
    SetState(Idle_, QStringLiteral("The search was cancelled."));
  }
  QDialog::reject();
}

void TSolveDlg::PlayClick() {
  if (FState != Answered_ || FLine.empty() || !FEngine.CanStartCommand() ||
      !SameTable(SolverTableOf(FEngine), FTable))
    return;
  DropPick(FEngine);
  FActions = LineActions(FEngine, FLine);
  FNext = 0;
  FStopAsked = false;
  SetState(Playing_, QStringLiteral("Playing the line; click or press Escape to stop."));
  hide();
  if (OnPlaying)
    OnPlaying(true);
  qApp->installEventFilter(this);
  QTimer::singleShot(0, this, [this] { PlayStep(); });
}

// One move a step: its pick and destination, or a row deal.
void TSolveDlg::PlayStep() {
  if (FState != Playing_)
    return;
  if (FStopAsked || FNext >= FActions.size() || FEngine.GameState != gsPlaying) {
    StopPlaying();
    return;
  }
  size_t end = FNext + 1;
  while (end < FActions.size() && FActions[end].Kind != TPlayerAction::Pick &&
         FActions[end].Kind != TPlayerAction::Deal)
    ++end;
  // The last move starts the winner celebration, which takes clicks itself.
  if (end >= FActions.size())
    qApp->removeEventFilter(this);
  for (; FNext < end; ++FNext)
    PlayAction(FEngine, FActions[FNext]);
  if (FNext >= FActions.size()) {
    StopPlaying();
    return;
  }
  QTimer::singleShot(StepPauseMs, this, [this] { PlayStep(); });
}

void TSolveDlg::StopPlaying() {
  qApp->removeEventFilter(this);
  FActions.clear();
  FLine.clear();
  SetState(Idle_, FStopAsked ? QStringLiteral("Playing stopped.")
                             : QStringLiteral("The line was played."));
  if (OnPlaying)
    OnPlaying(false);
}

// While the line plays, a click or a key stops it and goes no further.
bool TSolveDlg::eventFilter(QObject* watched, QEvent* event) {
  if (FState == Playing_) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
        type == QEvent::KeyPress) {
      FStopAsked = true;
      return true;
    }
    if (type == QEvent::MouseButtonRelease || type == QEvent::KeyRelease ||
        type == QEvent::ShortcutOverride)
      return true;
  }
  return QDialog::eventFilter(watched, event);
}
