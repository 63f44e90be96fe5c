// sorvane-driver: plays Sorvane-32 without a window. It reads commands, one a
// line, from a file or standard input, runs them on the game engine with a
// recording host that waits in zero time, and prints what the player would
// see. "help" lists the commands.

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>

#include "cards/Card.h"
#include "game/GameEngine.h"
#include "game/RecordingHost.h"

namespace {

const char* const Help = R"(Commands (one a line; # starts a comment):
  seed N               shuffle with seed N from now on (default: the clock)
  size W H             table picture size (default 1024 768)
  new                  deal a new game
  deal                 click on the stock
  click X Y [right]    press and release at X, Y
  press X Y | move X Y | release X Y
  drag X1 Y1 X2 Y2     press, 15 moves, release
  pick C R             click slot R of column C
  to C                 click the top of column C
  home P               click home pile P
  undo | replay
  auto on|off | verbose on|off | small on|off
  state                print the table, counters and status bar
  png FILE             write the table picture
)";

class TDriver {
 public:
  TDriver() : Engine(Host) {
    Engine.ResizeTable(QSize(1024, 768));
    Engine.EngineStart();
  }

  bool Run(const QString& line) {
    QStringList words = line.split(' ', Qt::SkipEmptyParts);
    if (words.isEmpty() || words[0].startsWith('#'))
      return true;
    const QString command = words.takeFirst();
    const auto found = Commands().find(command);
    if (found == Commands().end() || words.size() < found->second.first) {
      std::cerr << "cannot do: " << line.toStdString() << "\n";
      return false;
    }
    found->second.second(this, words);
    return true;
  }

  void PrintState() const {
    QTextStream out(stdout);
    for (int c = 0; c < Columns; ++c) {
      out << "column " << c << ":";
      for (int r = 0; r < PileSlots && Engine.Table.Slot(c, r); ++r)
        out << ' ' << (Engine.Table.Slot(c, r)->FaceUp ? "" : "-") << Engine.Table.Slot(c, r)->Name;
      out << '\n';
    }
    for (int p = 0; p < HomePiles; ++p)
      if (Engine.Table.HomeSlot(p, 12))
        out << "home " << p << ": " << Engine.Table.HomeSlot(p, 12)->Name << '\n';
    out << "stock " << Engine.Deck().Shuffler().ShuffleIndex() << ", moves " << Engine.MoveCount
        << ", deals " << Engine.DealCount << ", score " << Engine.GameScore() << ", state "
        << Engine.GameState << '\n';
    out << "caption: " << Host.Caption << '\n';
    out << "prompt: " << Host.Panel(MessageDis) << " | error: " << Host.Panel(ErrorDis)
        << " | card: " << Host.Panel(CurCardDis) << '\n';
  }

 private:
  using TAction = std::function<void(TDriver*, const QStringList&)>;
  static const std::map<QString, std::pair<int, TAction>>& Commands() {
    static const std::map<QString, std::pair<int, TAction>> commands{
        {"seed", {1, [](TDriver* d, const QStringList& a) { d->SetSeed(a[0].toUInt()); }}},
        {"size",
         {2,
          [](TDriver* d, const QStringList& a) {
            d->Engine.ResizeTable(QSize(a[0].toInt(), a[1].toInt()));
          }}},
        {"new", {0, [](TDriver* d, const QStringList&) { d->Engine.NewGame(); }}},
        {"deal",
         {0, [](TDriver* d, const QStringList&) { d->ClickAt(d->Engine.DealRect.center()); }}},
        {"click",
         {2,
          [](TDriver* d, const QStringList& a) {
            d->ClickAt({a[0].toInt(), a[1].toInt()}, a.value(2) == "right" ? mbRight : mbLeft);
          }}},
        {"press",
         {2,
          [](TDriver* d, const QStringList& a) {
            d->Engine.TableMouseDown(mbLeft, a[0].toInt(), a[1].toInt());
          }}},
        {"move",
         {2, [](TDriver* d,
                const QStringList& a) { d->Engine.TableMouseMove(a[0].toInt(), a[1].toInt()); }}},
        {"release",
         {2, [](TDriver* d,
                const QStringList& a) { d->Engine.TableMouseUp(a[0].toInt(), a[1].toInt()); }}},
        {"drag",
         {4,
          [](TDriver* d, const QStringList& a) {
            d->Drag({a[0].toInt(), a[1].toInt()}, {a[2].toInt(), a[3].toInt()});
          }}},
        {"pick",
         {2, [](TDriver* d, const QStringList& a) { d->ClickSlot(a[0].toInt(), a[1].toInt()); }}},
        {"to",
         {1,
          [](TDriver* d, const QStringList& a) {
            const int c = std::clamp(a[0].toInt(), 0, Columns - 1);
            d->ClickSlot(c, d->Engine.Table.LastRow(c));
          }}},
        {"home",
         {1,
          [](TDriver* d, const QStringList& a) {
            const int p = std::clamp(a[0].toInt(), 0, HomePiles - 1);
            d->ClickAt(d->Engine.HomePoint(p) + QPoint(10, 10));
          }}},
        {"undo", {0, [](TDriver* d, const QStringList&) { d->Engine.UndoMove(); }}},
        {"replay", {0, [](TDriver* d, const QStringList&) { d->Engine.ReplayGame(); }}},
        {"auto", {1, [](TDriver* d, const QStringList& a) { d->Host.AutoMove = a[0] == "on"; }}},
        {"verbose", {1, [](TDriver* d, const QStringList& a) { d->Host.Verbose = a[0] == "on"; }}},
        {"small",
         {1, [](TDriver* d, const QStringList& a) { d->Engine.ApplyCardSize(a[0] == "on"); }}},
        {"state", {0, [](TDriver* d, const QStringList&) { d->PrintState(); }}},
        {"png", {1, [](TDriver* d, const QStringList& a) { d->Engine.TablePicture().save(a[0]); }}},
        {"help", {0, [](TDriver*, const QStringList&) { std::cout << Help; }}},
    };
    return commands;
  }

  void SetSeed(uint32_t seed) {
    TRandom::Program().SetSeedSource([seed] { return seed; });
  }
  void ClickAt(QPoint p, int buttons = mbLeft) {
    Engine.TableMouseDown(buttons, p.x(), p.y());
    Engine.TableMouseUp(p.x(), p.y());
  }
  void ClickSlot(int c, int r) {
    c = std::clamp(c, 0, Columns - 1);
    r = std::clamp(r, 0, PileSlots - 1);
    ClickAt(Engine.SlotPoint(c, r) + QPoint(Engine.Deck().CardWidth() / 2, 3));
  }
  void Drag(QPoint from, QPoint to) {
    constexpr int Moves = 15;
    Engine.TableMouseDown(mbLeft, from.x(), from.y());
    for (int i = 1; i <= Moves; ++i) {
      const QPoint p = from + (to - from) * i / Moves;
      Engine.TableMouseMove(p.x(), p.y());
    }
    Engine.TableMouseUp(to.x(), to.y());
  }

  TRecordingHost Host;
  TGameEngine Engine;
};

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr)
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  std::ifstream file;
  if (argc > 1) {
    file.open(argv[1]);
    if (!file) {
      std::cerr << "cannot read " << argv[1] << "\n";
      return 2;
    }
  }
  std::istream& in = argc > 1 ? file : std::cin;
  TDriver driver;
  bool ok = true;
  for (std::string line; std::getline(in, line);)
    ok = driver.Run(QString::fromStdString(line)) && ok;
  return ok ? 0 : 1;
}
