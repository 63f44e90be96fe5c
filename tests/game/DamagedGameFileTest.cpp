// Damaged and hostile saved games: each is refused with a message that
// names what is wrong, and the game on the table stays exactly as it was.
#include <QFile>
#include <QTemporaryDir>

#include "game/SavedGameHelpers.h"

class DamagedGameFileTest : public EngineTest {
 protected:
  DamagedGameFileTest() {
    PlayMidGame(Engine);
    Host.ElapsedSeconds = 61.5;
    Saved = Engine.SaveGameDocument();
    Engine.GameFileName = QStringLiteral("current.svgm");
    Before = Describe(Engine);
  }

  // The error a load fails with, from a document or a file; nothing may change.
  std::string Refusal(const std::string& document, const QString& file = QString()) {
    std::string error = "no error";
    try {
      if (file.isEmpty())
        Engine.LoadGameDocument(document.data(), document.size());
      else
        Engine.LoadGameFile(file);
    } catch (const std::exception& e) {
      error = e.what();
    }
    EXPECT_EQ(Describe(Engine), Before);
    EXPECT_EQ(Engine.GameFileName, "current.svgm");
    EXPECT_EQ(Host.ElapsedSeconds, 61.5);
    return error;
  }

  std::string Saved;
  std::string Before;
};

namespace {

std::function<void(pugi::xml_document&)> Set(const char* path, const char* name,
                                             const char* value) {
  return [=](pugi::xml_document& tree) {
    pugi::xml_node node = NodeAt(tree, path);
    if (name == nullptr)
      node.text().set(value);
    else if (value == nullptr)
      node.remove_attribute(name);
    else
      node.attribute(name).set_value(value);
  };
}

std::function<void(pugi::xml_document&)> Remove(const char* path) {
  return [=](pugi::xml_document& tree) {
    const pugi::xml_node node = NodeAt(tree, path);
    node.parent().remove_child(node);
  };
}

const char* const Element0 = "//CurrentGame//ArrayElement[@Index='0']";
const char* const NotSaved = "The file is not a saved game: it is not an XML file.";

// Bytes without a "<" or a NUL, so the reader finds neither markup nor
// another encoding.
std::string RandomBytes(size_t size) {
  std::string bytes(size, ' ');
  uint32_t state = 17;
  for (char& byte : bytes) {
    state = state * 1664525u + 1013904223u;
    byte = static_cast<char>(state >> 24 | 1);
    byte = byte == '<' ? '>' : byte;
  }
  return bytes;
}

// The offset a message gives, or -1.
long OffsetIn(const std::string& error) {
  const size_t at = error.find(" at offset ");
  return at == std::string::npos ? -1 : std::stol(error.substr(at + 11));
}

std::string Utf16(const std::string& text) {
  std::string wide = "\xFF\xFE";
  for (const char c : text)
    wide += {c, '\0'};
  return wide;
}

}  // namespace

TEST_F(DamagedGameFileTest, DamagedDocumentsAreRefusedWithTheirReason) {
  const struct {
    std::function<void(pugi::xml_document&)> Edit;
    const char* Error;  // a part of the message
  } cases[] = {
      {Set(Card00, "Index", "9"), "CurrentGame: card 9 (10H) lies in 2 places at once."},
      {Set(Card00, "Index", "104"), ": Index 104 is outside 0..103."},
      {Set("//CurrentGame//Pile/UndoInfo[@Column='3'][@Row='7']", "Row", "104"),
       "<UndoInfo> at offset "},
      {Set("//GameStart//Home/UndoInfo[1]", "Column", "8"), ": Column 8 is outside 0..7."},
      {Set(CurrentDeckArray, "Count", "5"), ": Count 5 does not match the deck's 104 cards."},
      {Set(CurrentDeckArray, "Count", "1000000000"), ": Count 1000000000 does not match"},
      {Set(Card00, "Valid", nullptr), "has no Valid attribute."},
      {Set(Card00, "FaceUp", nullptr), "has no FaceUp attribute."},
      {[](pugi::xml_document& tree) { NodeAt(tree, "//CurrentGame//Pile").append_child("X"); },
       "<X> at offset "},
      {Set(Card00, "Index", "x1"), "Index: 'x1' is not a valid integer value."},
      {Set(Element0, "Value", "1"), "CurrentGame: the deck order names card 1 (2H) twice."},
      {Set(Element0, "Value", "104"), "names card 104, which is not a card of the deck."},
      {Set(Element0, "Index", "1"), ": position 1 of the deck order is given twice."},
      {Remove(Element0), ": position 0 of the deck order is missing."},
      {Set(CurrentDeckArray, "ShuffleIndex", "105"), "ShuffleIndex 105 is outside 0..104."},
      {Set("//CurrentGame//DealCount/Integer", nullptr, "6"), "DealCount 6 is outside 0..5."},
      {Set("//GameStart//Counter/Integer", nullptr, "100"),
       "GameStart: Counter 100 does not match the 104 cards that are not on the home piles."},
      {Remove("//CurrentGame//Pile/UndoInfo[@Column='0'][@Row='1']/Card"),
       "CurrentGame: column 0 has a gap below row 2."},
      {Set("//CurrentGame//Home/UndoInfo[@Column='0'][@Row='1']/Card", "Valid", "False"),
       "CurrentGame: home pile 0 is neither empty nor a whole suit."},
      {[](pugi::xml_document& tree) { NodeAt(tree, "//Counter/Integer").set_name("Float"); },
       "Expected Integer. Found: Float in CurrentGame/UndoItem/Counter"},
      {Remove("//GameStart//Pile/UndoInfo[@Column='4'][@Row='2']/FaceUp/Boolean"),
       "Expected Boolean. Found:  in GameStart/UndoItem/Pile/UndoInfo/FaceUp"},
      {Remove("/*/GameStart"), "The file holds no GameStart."},
      {Remove("//CurrentGame//DeckState"), "CurrentGame: the file holds no deck order"},
      {Set("/*/ElapsedTime/Float", nullptr, "-1"), "ElapsedTime -1 is no playing time"},
  };
  for (const auto& c : cases) {
    const std::string error = Refusal(Edited(Saved, c.Edit));
    EXPECT_NE(error.find(c.Error), std::string::npos) << error;
  }
}

TEST_F(DamagedGameFileTest, BrokenAndHostileFilesAreRefusedWithoutHarm) {
  const std::string deep = [] {
    std::string text;
    for (int i = 0; i < 100000; ++i)
      text += "<a>";
    return text;
  }();
  std::string bomb = "<?xml version=\"1.0\"?><!DOCTYPE b [<!ENTITY e0 \"lol\">";
  for (int i = 1; i < 10; ++i)
    bomb += "<!ENTITY e" + std::to_string(i) + " \"" + std::string(10, '&') + "\">";
  bomb += "]><b>&e9;&e9;</b>";
  const std::string notXml = "The file is not well-formed XML: ";
  const std::pair<std::string, std::string> cases[] = {
      {Saved.substr(0, Saved.size() / 2), notXml},
      {"PK\x03\x04 this is no XML <<", notXml},
      {"", "Empty Game File"},
      {"<?xml version=\"1.0\"?>\n", "Empty Game File"},
      {"<Sorvane32XML/>", "The file holds no CurrentGame."},
      {deep, notXml},
      {bomb, "The file holds no CurrentGame."},
      {"\xEF\xBB\xBF <?xml version=\"1.0\"?><!-- none -->\n", "Empty Game File"},
      {std::string("\x1f\x8b\x08\0\0\0\0\0\0\x03\xed\xbd", 12), NotSaved},
      {RandomBytes(400000), NotSaved},
  };
  for (const auto& [document, error] : cases)
    EXPECT_EQ(Refusal(document).rfind(error, 0), 0u) << Refusal(document);
  std::string closed = deep;
  for (int i = 0; i < 100000; ++i)
    closed += "</a>";
  EXPECT_EQ(Refusal(closed), "The file holds no CurrentGame.");

  QTemporaryDir folder;
  QFile large(folder.filePath(QStringLiteral("large.svgm")));
  ASSERT_TRUE(large.open(QIODevice::WriteOnly) && large.resize(20 * 1024 * 1024));
  large.close();
  EXPECT_EQ(Refusal({}, large.fileName()), "The file is larger than 16 MiB; it is no saved game.");
  EXPECT_NE(Refusal({}, folder.filePath("none")).find("does not exist"), std::string::npos);
  EXPECT_NE(Refusal({}, folder.path()).find("it is not a file"), std::string::npos);
  EXPECT_NE(Refusal({}, QStringLiteral("/dev/zero")).find("it is not a file"), std::string::npos);
}

// Files whose counters disagree with their table, whose game start is no
// deal, or with nothing left to play: each loaded once and then could not
// be saved, replayed to a win or played without face-down cards moving.
TEST_F(DamagedGameFileTest, GamesThatCouldNotBePlayedOnAreRefused) {
  TUndoItem current;
  Engine.SaveItem(current);
  const TUndoItem& deal = Engine.GameStart;
  TUndoItem shifted = deal;  // the top of column 1 put on column 0
  std::swap(shifted.Pile[0][6], shifted.Pile[1][4]);
  shifted.Pile[1][3].FaceUp = 1;
  TUndoItem won = deal;
  for (auto& column : won.Pile)
    for (TUndoInfo& slot : column)
      slot = {};
  for (int p = 0; p < HomePiles; ++p)
    for (int r = 0; r < HomeSlots; ++r)
      won.Home[size_t(p)][size_t(r)].Card = &Engine.Deck().Card(p * HomeSlots + r);
  won.Counter = won.DeckState.ShuffleIndex = 0;
  won.DealCount = 5;
  const auto write = [](const TUndoItem& now, const TUndoItem& start) {
    return WriteGameDocument(now, start, now.Counter, 61.5);
  };
  const std::pair<std::string, const char*> cases[] = {
      {Edited(Saved, Set("//CurrentGame//DealCount/Integer", nullptr, "5")),
       "CurrentGame: the stock holds 40 cards, but after DealCount 5 row deals it holds 0."},
      {Edited(Saved, Set("//GameStart//DealCount/Integer", nullptr, "4")),
       "GameStart: the stock holds 50 cards, but after DealCount 4 row deals it holds 10."},
      {write(current, current), "GameStart: DealCount 1 is no game start (0)."},
      {write(current, Engine.UndoBuffer[0]),
       "GameStart: 13 cards are on the home piles; a game starts with none."},
      {write(current, shifted), "GameStart: column 0 holds 7 cards; a new deal gives it 6."},
      {Edited(Saved, Set("//GameStart//Pile/UndoInfo[@Column='0'][@Row='0']/FaceUp/Boolean",
                         nullptr, "True")),
       "in column 0 lies face up; a new deal turns up only the top cards."},
      {Edited(Saved,
              Set("//GameStart//Pile/UndoInfo[@Column='1'][@Row='4']/Card", "DealFaceUp", "False")),
       "in column 1 has DealFaceUp False; a new deal turns up the top cards."},
      {Edited(Saved, Set("//CurrentGame//Pile/UndoInfo[@Column='2'][@Row='5']/FaceUp/Boolean",
                         nullptr, "False")),
       "CurrentGame: the top card of column 2 is face down."},
      {write(won, deal),
       "CurrentGame: every card is on the home piles; the game is won and there is nothing to "
       "play."},
  };
  for (const auto& [document, error] : cases)
    EXPECT_NE(Refusal(document).find(error), std::string::npos) << Refusal(document);
}

// Offsets count the file's bytes; where the text was converted from another
// encoding, none is given.
TEST_F(DamagedGameFileTest, OffsetsAreThoseOfTheFileOrNone) {
  const std::string half = Saved.substr(0, Saved.size() / 2);
  const long offset = OffsetIn(Refusal(half));
  EXPECT_TRUE(offset > 0 && offset <= long(half.size())) << offset;
  const std::string wrong = Edited(Saved, Set(Card00, "Index", "104"));
  // The element's offset is that of its name.
  EXPECT_EQ(OffsetIn(Refusal(wrong)), long(wrong.find("<Card Valid=\"True\" Name=\"KD\"")) + 1);
  for (const std::string& converted :
       {Utf16(half), Utf16(wrong), std::string(1, '\0') + Saved, std::string(1, '\0') + half})
    EXPECT_EQ(OffsetIn(Refusal(converted)), -1) << Refusal(converted);
}
