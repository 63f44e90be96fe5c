// Damaged and hostile saved games: each is refused with a message that
// names what is wrong, and the game on the table stays exactly as it was.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "game/GameFile.h"
#include "game/SavedGameHelpers.h"
#include "persist/TypedValues.h"
#include "persist/ValueText.h"

class DamagedGameFileTest : public EngineTest {
 protected:
  DamagedGameFileTest() {
    PlayMidGame(Engine);
    Host.ElapsedSeconds = 61.5;
    Saved = Engine.SaveGameDocument();
    Engine.GameFileName = QStringLiteral("current.svgm");
    Before = Describe(Engine);
  }

  // The error a load of `document` fails with; the game must be unchanged.
  std::string Refusal(const std::string& document) {
    std::string error = "no error";
    try {
      Engine.LoadGameDocument(document.data(), document.size());
    } catch (const std::exception& e) {
      error = e.what();
    }
    ExpectUnchanged();
    return error;
  }

  std::string FileRefusal(const QString& fileName) {
    std::string error = "no error";
    try {
      Engine.LoadGameFile(fileName);
    } catch (const std::exception& e) {
      error = e.what();
    }
    ExpectUnchanged();
    return error;
  }

  void ExpectUnchanged() {
    EXPECT_EQ(Describe(Engine), Before);
    EXPECT_EQ(Engine.GameFileName, "current.svgm");
    EXPECT_EQ(Host.ElapsedSeconds, 61.5);
  }

  std::string Saved;
  std::string Before;
};

namespace {

using TEdit = std::function<void(pugi::xml_document&)>;

TEdit SetAttribute(const char* path, const char* name, const char* value) {
  return [=](pugi::xml_document& tree) { NodeAt(tree, path).attribute(name).set_value(value); };
}

TEdit RemoveAttribute(const char* path, const char* name) {
  return [=](pugi::xml_document& tree) { NodeAt(tree, path).remove_attribute(name); };
}

TEdit SetText(const char* path, const char* text) {
  return [=](pugi::xml_document& tree) { NodeAt(tree, path).text().set(text); };
}

TEdit Remove(const char* path) {
  return [=](pugi::xml_document& tree) {
    const pugi::xml_node node = NodeAt(tree, path);
    node.parent().remove_child(node);
  };
}

const char* const Card00 =
    "/Sorvane32XML/CurrentGame/UndoItem/Pile/UndoInfo[@Column='0'][@Row='0']/Card";
const char* const Element0 =
    "/Sorvane32XML/CurrentGame/UndoItem/DeckState/DeckArray/ArrayElement[@Index='0']";
const char* const Item = "/Sorvane32XML/CurrentGame/UndoItem";

}  // namespace

TEST_F(DamagedGameFileTest, DamagedDocumentsAreRefusedWithTheirReason) {
  const struct {
    const char* Name;
    TEdit Edit;
    const char* Error;  // the start of the message, or text it contains after "..."
  } cases[] = {
      {"a card twice", SetAttribute(Card00, "Index", "9"),
       "...CurrentGame: card 9 (10H) lies in 2 places at once."},
      {"card index 104", SetAttribute(Card00, "Index", "104"), "...: Index 104 is outside 0..103."},
      {"row 104", SetAttribute("//CurrentGame//Pile/UndoInfo[@Column='3'][@Row='7']", "Row", "104"),
       "<UndoInfo> at offset "},
      {"home column 8", SetAttribute("//GameStart//Home/UndoInfo[1]", "Column", "8"),
       "...: Column 8 is outside 0..7."},
      {"count 5", SetAttribute(CurrentDeckArray, "Count", "5"),
       "...: Count 5 does not match the deck's 104 cards."},
      {"count 10^9", SetAttribute(CurrentDeckArray, "Count", "1000000000"),
       "...: Count 1000000000 does not match"},
      {"missing Valid", RemoveAttribute(Card00, "Valid"), "...has no Valid attribute."},
      {"missing FaceUp of a card", RemoveAttribute(Card00, "FaceUp"),
       "...has no FaceUp attribute."},
      {"missing Column under Pile",
       [](pugi::xml_document& tree) { NodeAt(tree, "//CurrentGame//Pile").append_child("Note"); },
       "<Note> at offset "},
      {"a value that is no integer", SetAttribute(Card00, "Index", "x1"),
       "...Index: 'x1' is not a valid integer value."},
      {"order not a permutation", SetAttribute(Element0, "Value", "1"),
       "...the deck order names card "},
      {"order with a card outside the deck", SetAttribute(Element0, "Value", "104"),
       "...the deck order names card 104, which is not a card of the deck."},
      {"a position twice", SetAttribute(Element0, "Index", "1"),
       "...: position 1 of the deck order is given twice."},
      {"a position missing", Remove(Element0), "...: position 0 of the deck order is missing."},
      {"shuffle index 105", SetAttribute(CurrentDeckArray, "ShuffleIndex", "105"),
       "...ShuffleIndex 105 is outside 0..104."},
      {"deal count 6", SetText("//CurrentGame//DealCount/Integer", "6"),
       "CurrentGame: DealCount 6 is outside 0..5."},
      {"a counter that does not match", SetText("//GameStart//Counter/Integer", "100"),
       "GameStart: Counter 100 does not match the 104 cards that are not on the home piles."},
      {"a gap in a column", Remove("//CurrentGame//Pile/UndoInfo[@Column='0'][@Row='1']/Card"),
       "CurrentGame: column 0 has a gap below row 2."},
      {"a home pile not a whole suit",
       SetAttribute("//CurrentGame//Home/UndoInfo[@Column='0'][@Row='1']/Card", "Valid", "False"),
       "CurrentGame: home pile 0 is neither empty nor a whole suit."},
      {"a typed value of another type",
       [](pugi::xml_document& tree) {
         NodeAt(tree, "//CurrentGame//Counter/Integer").set_name("Float");
       },
       "Expected Integer. Found: Float"},
      {"no GameStart", Remove("/Sorvane32XML/GameStart"), "The file holds no GameStart."},
      {"no deck order", Remove("//CurrentGame//DeckState"),
       "CurrentGame: the file holds no deck order"},
      {"a negative time", SetText("/*/ElapsedTime/Float", "-1"),
       "ElapsedTime -1 is no playing time in seconds."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::string error = Refusal(Edited(Saved, c.Edit));
    const std::string expected = c.Error;
    if (expected.rfind("...", 0) == 0)
      EXPECT_NE(error.find(expected.substr(3)), std::string::npos) << error;
    else
      EXPECT_EQ(error.rfind(expected, 0), 0u) << error;
  }
}

TEST_F(DamagedGameFileTest, BrokenAndHostileDocumentsAreRefusedWithoutHarm) {
  std::string deep;
  for (int i = 0; i < 100000; ++i)
    deep += "<a>";
  std::string bomb = "<?xml version=\"1.0\"?><!DOCTYPE b [<!ENTITY e0 \"lol\">";
  for (int i = 1; i < 10; ++i)
    bomb += "<!ENTITY e" + std::to_string(i) + " \"" + std::string(10, '&') + "\">";
  bomb += "]><b>&e9;&e9;</b>";
  const struct {
    const char* Name;
    std::string Document;
    const char* Error;
  } cases[] = {
      {"truncated", Saved.substr(0, Saved.size() / 2), "The file is not well-formed XML: "},
      {"not XML", "PK\x03\x04 this is no XML <<", "The file is not well-formed XML: "},
      {"empty", "", "Empty Game File"},
      {"only a declaration", "<?xml version=\"1.0\"?>\n", "Empty Game File"},
      {"an empty game", "<Sorvane32XML/>", "The file holds no CurrentGame."},
      {"nested 100,000 deep", deep + "</a>", "The file is not well-formed XML: "},
      {"nested 100,000 deep and closed", deep + std::string(100000, '>'), "The file is not well"},
      {"an entity bomb", bomb, "The file holds no CurrentGame."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(Refusal(c.Document).rfind(c.Error, 0), 0u) << Refusal(c.Document);
  }
  std::string closed;
  for (int i = 0; i < 100000; ++i)
    closed += "</a>";
  EXPECT_EQ(Refusal(deep + closed), "The file holds no CurrentGame.");
}

TEST_F(DamagedGameFileTest, FilesTooLargeMissingOrNoFilesAtAllAreRefused) {
  QTemporaryDir folder;
  const QString large = folder.filePath(QStringLiteral("large.svgm"));
  QFile file(large);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_TRUE(file.resize(20 * 1024 * 1024));
  file.close();
  EXPECT_EQ(FileRefusal(large), "The file is larger than 16 MiB; it is no saved game.");
  EXPECT_NE(FileRefusal(folder.filePath(QStringLiteral("none.svgm"))).find("does not exist"),
            std::string::npos);
  EXPECT_NE(FileRefusal(folder.path()).find("it is not a file"), std::string::npos);
  EXPECT_NE(FileRefusal(QStringLiteral("/dev/zero")).find("it is not a file"), std::string::npos);
}
