// sorvane32-driver: plays Sorvane-32 without a window. It reads commands, one
// a line, from standard input (or from the file named on the command line),
// runs them on the game engine with a host that waits in zero time, and
// prints what the player would see and hear. "help" lists the commands.

#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <limits>
#include <map>
#include <stdexcept>

#include "DriverHost.h"
#include "cards/Card.h"
#include "game/GameEngine.h"
#include "game/SolverBridge.h"

namespace {

const char* const Help = R"(Commands, one a line (a blank line or one starting with # is ignored):
  size W H                       table picture size (default 800 520)
  small on|off                   card size
  option automove|verbose|sound on|off
  seed N                         every later shuffle starts from seed N (0..4294967295)
  new | deal | replay | undo     new game, click on the stock, replay, undo
  redo                           takes back the last undo
  number                         the game's number (its shuffle's seed)
  suits 1|2|4                    the suits of the next new game
  press X Y [left|right|middle]  the mouse on the table picture
  move X Y | release X Y
  click X Y [left|right|middle]  press and release
  drag X1 Y1 X2 Y2               press, 12 moves along the line, release
  pick C R | to C | home P       click slot R of column C, the top of column C, home pile P
  state                          the status texts, counters and every place's cards
  card I                         card I's name, position, stacking order and flags
  render FILE | png FILE         write the table picture as PNG
  realtime on|off                wait for real time in animations
  save FILE | load FILE          write the game to a saved-game file, read one back
  hint                           the clicks of a good next move: "hint: pick C R; to D",
                                 "hint: pick C R; home P", "hint: deal" or "hint: none"
  key left|right|up|down|enter|space|escape|d
                                 a key on the table: the frame walks the stock, the
                                 columns and the home piles and the face-up cards of a
                                 column; enter or space clicks there, escape drops the
                                 pick, d deals (a mouse press hides the frame)
  frame                          where the keyboard frame is: "frame: shown|hidden stock",
                                 "... column C row R" or "... home P"
  names                          what a screen reader says of each place, one a line
  solve MS                       search MS milliseconds for a line that wins: "solve: won N"
                                 and N commands that win from here, "solve: lost" (no line
                                 wins) or "solve: unknown" (none found in time)
)";

// The hint's search time; after it, the move the solver's order likes best.
constexpr std::chrono::milliseconds HintBudget{300};

// A command's argument that cannot be taken; its text says why.
class EBadCommand : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

int Number(const QString& word) {
  bool ok = false;
  const int value = word.toInt(&ok);
  if (!ok)
    throw EBadCommand("not a number: " + word.toStdString());
  return value;
}

// A seed of the program's 32-bit generator: 0 to 4294967295, digits only.
uint32_t Seed(const QString& word) {
  bool ok =
      !word.isEmpty() && std::all_of(word.begin(), word.end(), [](QChar c) { return c.isDigit(); });
  const qulonglong value = ok ? word.toULongLong(&ok) : 0;
  if (!ok || value > std::numeric_limits<uint32_t>::max())
    throw EBadCommand("not a seed from 0 to 4294967295: " + word.toStdString());
  return static_cast<uint32_t>(value);
}

bool OnOff(const QString& word) {
  if (word != "on" && word != "off")
    throw EBadCommand("expected on or off, not " + word.toStdString());
  return word == "on";
}

int Button(const QString& word) {
  static const std::map<QString, int> buttons{
      {"left", mbLeft}, {"right", mbRight}, {"middle", mbMiddle}};
  const auto found = buttons.find(word.isEmpty() ? QStringLiteral("left") : word);
  if (found == buttons.end())
    throw EBadCommand("no such button: " + word.toStdString());
  return found->second;
}

QPoint Point(const QStringList& a, int first) {
  return {Number(a[first]), Number(a[first + 1])};
}

QString Cards(const std::vector<const TCard*>& cards) {
  QString text;
  for (const TCard* card : cards)
    text +=
        QStringLiteral(" %1(%2)%3").arg(card->Name).arg(card->Index).arg(card->FaceUp ? '+' : '-');
  return text;
}

class TDriver {
 public:
  TDriver() : Host(Out), Engine(Host) {
    Engine.ResizeTable(QSize(800, 520));
    Engine.EngineStart();
  }

  void Run(const QString& line) {
    QStringList words = line.split(' ', Qt::SkipEmptyParts);
    if (words.isEmpty() || words[0].startsWith('#'))
      return;
    const QString name = words.takeFirst();
    try {
      const auto found = Commands().find(name);
      if (found == Commands().end())
        throw EBadCommand("unknown command " + name.toStdString());
      const auto& [least, most, action] = found->second;
      if (words.size() < least || words.size() > most)
        throw EBadCommand(name.toStdString() + " takes " + std::to_string(least) +
                          (most > least ? " to " + std::to_string(most) : std::string()) +
                          " arguments");
      action(*this, words);
    } catch (const EBadCommand& error) {
      Out << "bad command: " << error.what() << Qt::endl;
    }
  }

 private:
  struct TCommand {
    int Least, Most;
    std::function<void(TDriver&, const QStringList&)> Action;
  };

  static const std::map<QString, TCommand>& Commands() {
    using A = const QStringList&;
    static const std::map<QString, TCommand> commands{
        {"size",
         {2, 2, [](TDriver& d, A a) { d.Engine.ResizeTable(QSize(Number(a[0]), Number(a[1]))); }}},
        {"small", {1, 1, [](TDriver& d, A a) { d.Engine.ApplyCardSize(OnOff(a[0])); }}},
        {"option", {2, 2, [](TDriver& d, A a) { d.SetOption(a[0], OnOff(a[1])); }}},
        {"seed", {1, 1, [](TDriver&, A a) { SetSeed(Seed(a[0])); }}},
        {"new", {0, 0, [](TDriver& d, A) { d.Engine.NewGame(); }}},
        {"deal", {0, 0, [](TDriver& d, A) { d.Click(d.Engine.DealRect.center(), mbLeft); }}},
        {"replay", {0, 0, [](TDriver& d, A) { d.Engine.ReplayGame(); }}},
        {"undo", {0, 0, [](TDriver& d, A) { d.Engine.UndoMove(); }}},
        {"redo", {0, 0, [](TDriver& d, A) { d.Engine.RedoMove(); }}},
        {"number", {0, 0, [](TDriver& d, A) { d.PrintNumber(); }}},
        {"suits", {1, 1, [](TDriver& d, A a) { d.SetSuits(a[0]); }}},
        {"press", {2, 3, [](TDriver& d, A a) { d.Press(Point(a, 0), Button(a.value(2))); }}},
        {"move",
         {2, 2, [](TDriver& d, A a) { d.Engine.TableMouseMove(Number(a[0]), Number(a[1])); }}},
        {"release",
         {2, 2, [](TDriver& d, A a) { d.Engine.TableMouseUp(Number(a[0]), Number(a[1])); }}},
        {"click", {2, 3, [](TDriver& d, A a) { d.Click(Point(a, 0), Button(a.value(2))); }}},
        {"drag", {4, 4, [](TDriver& d, A a) { d.Drag(Point(a, 0), Point(a, 2)); }}},
        {"pick", {2, 2, [](TDriver& d, A a) { d.ClickSlot(Number(a[0]), Number(a[1])); }}},
        {"to", {1, 1, [](TDriver& d, A a) { d.ClickTop(Number(a[0])); }}},
        {"home", {1, 1, [](TDriver& d, A a) { d.ClickHome(Number(a[0])); }}},
        {"state", {0, 0, [](TDriver& d, A) { d.PrintState(); }}},
        {"card", {1, 1, [](TDriver& d, A a) { d.PrintCard(Number(a[0])); }}},
        {"render", {1, 1, [](TDriver& d, A a) { d.Render(a[0]); }}},
        {"png", {1, 1, [](TDriver& d, A a) { d.Render(a[0]); }}},
        {"realtime", {1, 1, [](TDriver& d, A a) { d.Host.DriverClock.RealTime = OnOff(a[0]); }}},
        {"save", {1, 1, [](TDriver& d, A a) { d.Try([&] { d.Engine.SaveGameFile(a[0]); }); }}},
        {"load", {1, 1, [](TDriver& d, A a) { d.Try([&] { d.Engine.LoadGameFile(a[0]); }); }}},
        {"hint", {0, 0, [](TDriver& d, A) { d.PrintHint(); }}},
        {"key", {1, 1, [](TDriver& d, A a) { d.Key(a[0]); }}},
        {"frame", {0, 0, [](TDriver& d, A) { d.PrintFrame(); }}},
        {"names", {0, 0, [](TDriver& d, A) { d.PrintNames(); }}},
        {"solve", {1, 1, [](TDriver& d, A a) { d.PrintSolution(Number(a[0])); }}},
        {"help", {0, 0, [](TDriver& d, A) { d.Out << Help << Qt::flush; }}},
    };
    return commands;
  }

  static void SetSeed(uint32_t seed) {
    TRandom::Program().SetSeedSource([seed] { return seed; });
  }

  // A file that cannot be written or read is reported; the table stays.
  template <typename Action>
  void Try(Action action) {
    try {
      action();
    } catch (const std::exception& error) {
      Out << "failed: " << error.what() << Qt::endl;
    }
  }

  void SetOption(const QString& option, bool on) {
    if (option == "automove")
      Host.AutoMove = on;
    else if (option == "verbose")
      Host.Verbose = on;
    else if (option == "sound")
      Host.SoundOff = !on;
    else
      throw EBadCommand("no such option: " + option.toStdString());
  }

  // As in the window, a press on the table hides the keyboard frame.
  void Press(QPoint p, int buttons) {
    Engine.HideFocus();
    Engine.TableMouseDown(buttons, p.x(), p.y());
  }
  void Key(const QString& key) {
    static const std::map<QString, std::function<void(TGameEngine&)>> keys = {
        {"left", [](TGameEngine& e) { e.MoveFocus(fsLeft); }},
        {"right", [](TGameEngine& e) { e.MoveFocus(fsRight); }},
        {"up", [](TGameEngine& e) { e.MoveFocus(fsUp); }},
        {"down", [](TGameEngine& e) { e.MoveFocus(fsDown); }},
        {"enter", [](TGameEngine& e) { e.ActivateFocus(); }},
        {"space", [](TGameEngine& e) { e.ActivateFocus(); }},
        {"escape", [](TGameEngine& e) { e.DropSelection(); }},
        {"d", [](TGameEngine& e) { e.DealFromKey(); }}};
    const auto found = keys.find(key);
    if (found == keys.end())
      throw EBadCommand("no such key: " + key.toStdString());
    found->second(Engine);
  }
  void PrintFrame() {
    const TKeyFocus& focus = Engine.KeyFocus();
    Out << "frame: " << (focus.Shown ? "shown " : "hidden ");
    if (ColumnOfPlace(focus.Place) >= 0)
      Out << "column " << ColumnOfPlace(focus.Place) << " row " << focus.Row;
    else if (HomeOfPlace(focus.Place) >= 0)
      Out << "home " << HomeOfPlace(focus.Place);
    else
      Out << "stock";
    Out << Qt::endl;
  }
  void PrintNames() {
    for (int place = 0; place < TablePlaces; ++place)
      Out << Engine.PlaceName(place) << '\n';
    Out.flush();
  }
  void Click(QPoint p, int buttons) {
    Press(p, buttons);
    Engine.TableMouseUp(p.x(), p.y());
  }
  void Drag(QPoint from, QPoint to) {
    constexpr int Moves = 12;
    Press(from, mbLeft);
    // Each step i / Moves of the way, rounded as QPoint rounds, in 64 bits so
    // that points at the ends of int stay exact.
    const auto along = [](int a, int b, int i) {
      return static_cast<int>(a + qRound64(static_cast<double>(qint64{b} - a) * i / Moves));
    };
    for (int i = 1; i <= Moves; ++i)
      Engine.TableMouseMove(along(from.x(), to.x(), i), along(from.y(), to.y(), i));
    Engine.TableMouseUp(to.x(), to.y());
  }
  void ClickSlot(int c, int r) {
    if (c < 0 || c >= Columns || r < 0 || r >= PileSlots)
      throw EBadCommand("no such slot");
    Click(Engine.SlotPoint(c, r) + QPoint(Engine.Deck().CardWidth() / 2, 3), mbLeft);
  }
  void ClickTop(int c) {
    if (c < 0 || c >= Columns)
      throw EBadCommand("no such column");
    ClickSlot(c, Engine.Table.LastRow(c));
  }
  void ClickHome(int p) {
    if (p < 0 || p >= HomePiles)
      throw EBadCommand("no such home pile");
    Click(Engine.HomePoint(p) + QPoint(10, 10), mbLeft);
  }

  void PrintState() {
    Out << "caption: " << Host.Caption << '\n'
        << "prompt: " << Host.Panel(MessageDis) << '\n'
        << "error: " << Host.Panel(ErrorDis) << '\n'
        << "cursor: " << Host.Panel(CurCardDis) << '\n'
        << "moves: " << Engine.MoveCount << '\n'
        << "score: " << Engine.GameScore() << '\n'
        << "counter: " << Engine.CardCounter << '\n'
        << "deals: " << Engine.DealCount << '\n'
        << "stock: " << Engine.Deck().Shuffler().ShuffleIndex() << '\n'
        << "gamestate: " << Engine.GameState << '\n';
    for (int p = 0; p < HomePiles; ++p) {
      std::vector<const TCard*> cards;
      for (int s = 0; s < HomeSlots && Engine.Table.HomeSlot(p, s) != nullptr; ++s)
        cards.push_back(Engine.Table.HomeSlot(p, s));
      Out << "home " << p << ':' << Cards(cards) << '\n';
    }
    for (int c = 0; c < Columns; ++c) {
      std::vector<const TCard*> cards;
      for (int r = 0; r < PileSlots && Engine.Table.Slot(c, r) != nullptr; ++r)
        cards.push_back(Engine.Table.Slot(c, r));
      Out << "col " << c << ':' << Cards(cards) << '\n';
    }
    Out.flush();
  }

  void SetSuits(const QString& word) {
    if (word != "1" && word != "2" && word != "4")
      throw EBadCommand("suits are 1, 2 or 4, not " + word.toStdString());
    Engine.NextSuits = word.toInt();
  }

  void PrintNumber() {
    Out << "game: "
        << (Engine.GameNumber ? QString::number(*Engine.GameNumber) : QStringLiteral("none"))
        << Qt::endl;
  }

  void PrintCard(int index) {
    if (index < 0 || index >= Engine.Deck().CardCount())
      throw EBadCommand("no such card");
    const TCard& card = Engine.Deck().Card(index);
    Out << "card " << index << ' ' << card.Name << ' ' << card.Position.x() << ' '
        << card.Position.y() << ' ' << card.ZOrder << ' ' << (card.Visible ? "visible" : "hidden")
        << ' ' << (card.FaceUp ? "up" : "down") << Qt::endl;
  }

  // Before the first deal there is no game to search.
  void PrintHint() {
    const auto move = Engine.CardsDealt ? HintMove(Engine, HintBudget) : std::nullopt;
    std::string text = "none";
    if (move) {
      text.clear();
      for (const TPlayerAction& action : TMoveTranslator(Engine).Play(*move))
        text += (text.empty() ? "" : "; ") + action.Command();
    }
    Out << "hint: " << QString::fromStdString(text) << Qt::endl;
  }

  void PrintSolution(int ms) {
    if (ms < 0)
      throw EBadCommand("a time can't be negative");
    TSolveLimits limits;
    limits.Time = std::chrono::milliseconds(ms);
    const TSolveResult result = Engine.CardsDealt ? Solve(SolverTableOf(Engine), limits)
                                                  : TSolveResult{TSolveStatus::Unknown, {}, 0};
    if (result.Status != TSolveStatus::Won) {
      Out << (result.Status == TSolveStatus::Lost ? "solve: lost" : "solve: unknown") << Qt::endl;
      return;
    }
    const std::vector<TPlayerAction> actions = LineActions(Engine, result.Line);
    Out << "solve: won " << actions.size() << '\n';
    for (const TPlayerAction& action : actions)
      Out << QString::fromStdString(action.Command()) << '\n';
    Out.flush();
  }

  void Render(const QString& file) {
    if (!Engine.TablePicture().save(file, "PNG"))
      throw EBadCommand("cannot write " + file.toStdString());
  }

  QTextStream Out{stdout};
  TDriverHost Host;
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
  for (std::string line; std::getline(in, line);)
    driver.Run(QString::fromStdString(line));
  return in.bad() ? 2 : 0;
}
