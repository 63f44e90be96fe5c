// Writes the fuzz target's seed corpus: games saved by the game itself at
// several stages of play, each from a fixed shuffle, and one of them in UTF-16.
//   make_seed_corpus FOLDER
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "cards/Card.h"
#include "game/GameEngine.h"
#include "game/RecordingHost.h"

namespace {

// Late in a game: all rows dealt, two suits home and the other 78 cards in
// the columns, the top card of each face up.
void LayOutLateGame(TGameEngine& engine) {
  while (!engine.Deck().Shuffler().IsEmpty() && engine.Table.FirstEmptyPile() == -1)
    engine.DealRow();
  ClearTable(engine.Table);
  const int homeSuits[] = {3, 0};  // Spades, Hearts of the first pack
  std::vector<bool> home(104, false);
  for (int p = 0; p < 2; ++p) {
    for (int rank = 0; rank < 13; ++rank) {
      const int index = homeSuits[p] * 13 + rank;
      engine.Table.HomeSlot(p, rank) = &engine.Deck().Card(index);
      engine.Deck().Card(index).FaceUp = true;
      home[static_cast<size_t>(index)] = true;
    }
  }
  int placed = 0;
  for (int index = 0; index < 104; ++index) {
    if (home[static_cast<size_t>(index)])
      continue;
    TCard& card = engine.Deck().Card(index);
    card.FaceUp = placed >= 68;
    engine.Table.Slot(placed % Columns, placed / Columns) = &card;
    ++placed;
  }
  engine.CardCounter = 78;
  engine.Relayout();
}

// Plays `moves` auto-moves on random columns and `deals` row deals between them.
void Play(TGameEngine& engine, TRandom& random, int moves, int deals) {
  for (int m = 0; m < moves && engine.GameState == gsPlaying; ++m) {
    engine.AutoMove(static_cast<int>(random.Next(Columns)));
    if (deals > 0 && m % (moves / deals + 1) == moves / deals) {
      if (engine.Table.FirstEmptyPile() == -1 && !engine.Deck().Shuffler().IsEmpty()) {
        engine.DealRow();
        --deals;
      }
    }
  }
}

// A saved game in UTF-16 (little-endian, with its byte order mark), which
// the reader converts before it parses: offsets are then not the file's.
void WriteUtf16(const QString& from, const QString& to) {
  QFile in(from);
  QFile out(to);
  if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
    return;
  const QString text = QString::fromUtf8(in.readAll());
  QByteArray bytes("\xFF\xFE");
  for (const QChar c : text)
    bytes.append(static_cast<char>(c.unicode() & 0xFF)).append(static_cast<char>(c.unicode() >> 8));
  out.write(bytes);
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_seed_corpus FOLDER\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  const struct {
    const char* Name;
    uint32_t Seed;
    int Moves, Deals;
    bool Late;
    double Seconds;
  } games[] = {
      {"fresh-deal.svgm", 1, 0, 0, false, 0},
      {"mid-game.svgm", 2, 60, 2, false, 312.5},
      {"late-game.svgm", 3, 0, 0, true, 1834.062517},
  };
  for (const auto& game : games) {
    TRecordingHost host;
    TRandom random;
    random.SetSeedSource([&game] { return game.Seed; });
    TGameEngine engine(host, random);
    engine.ResizeTable(QSize(1024, 768));
    engine.EngineStart();
    engine.NewGame();
    Play(engine, random, game.Moves, game.Deals);
    if (game.Late)
      LayOutLateGame(engine);
    host.ElapsedSeconds = game.Seconds;
    engine.SaveGameFile(folder.filePath(QString::fromLatin1(game.Name)));
    std::printf("%s: deals %d, cards out %d\n", game.Name, engine.DealCount, engine.CardCounter);
  }
  WriteUtf16(folder.filePath(QStringLiteral("mid-game.svgm")),
             folder.filePath(QStringLiteral("mid-game-utf16.svgm")));
  return 0;
}
