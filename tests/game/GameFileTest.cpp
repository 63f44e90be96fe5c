// Saved games written and read back: the same game in another engine, the
// document's shape, the progress, and what the format tolerates.
#include <QDir>
#include <QFile>

#include "game/SavedGameHelpers.h"

class GameFileTest : public EngineTest {
 protected:
  GameFileTest() : Other(OtherHost, Random) {
    Other.ResizeTable(QSize(1024, 768));
    Other.EngineStart();
    PlayMidGame(Engine);
    Host.ElapsedSeconds = 123.456789;
    Saved = Engine.SaveGameDocument();
    Engine.ResetUndo();  // as a load leaves it
    Engine.PushUndo();
    Engine.UpdateStatus();
  }
  void LoadIntoOther(const std::string& document, const ProgressProc& progress = {}) {
    Other.LoadGameDocument(document.data(), document.size(), progress);
  }

  TRecordingHost OtherHost;
  TGameEngine Other;
  std::string Saved;
};

TEST_F(GameFileTest, ASavedGameLoadsIntoAnotherEngineAsItWasAndReplaysItsDeal) {
  Other.NewGame();
  LoadIntoOther(Saved);
  EXPECT_EQ(Describe(Other), Describe(Engine));
  EXPECT_EQ(OtherHost.ElapsedSeconds, 123.456789);
  EXPECT_TRUE(OtherHost.ClockRunning);
  EXPECT_EQ(OtherHost.Caption, Host.Caption);
  // The loaded position is the only undo step.
  EXPECT_TRUE(Other.UndoMove() && Engine.UndoMove());
  EXPECT_EQ(Describe(Other), Describe(Engine));
  EXPECT_FALSE(Other.UndoMove());
  Engine.ReplayGame();
  Other.ReplayGame();
  EXPECT_EQ(Describe(Other), Describe(Engine));
}

TEST_F(GameFileTest, TheDocumentHoldsEverySlotInTheFormatsOrderAndForms) {
  EXPECT_EQ(Saved.rfind("<?xml version=\"1.0\"?>\n<Sorvane32XML Sorvane32XML=\"1.0\">\n"
                        "  <CurrentGame>\n    <UndoItem>\n      <Counter>\n"
                        "        <Integer>91</Integer>\n      </Counter>\n      <DealCount>\n"
                        "        <Integer>1</Integer>\n      </DealCount>\n      <Home>\n"
                        "        <UndoInfo Column=\"0\" Row=\"0\">\n          <Card Valid=\"True\" "
                        "Name=\"AS\" Index=\"39\" FaceUp=\"True\" DealFaceUp=\"",
                        0),
            0u);
  const std::string end =
      "</GameStart>\n  <CardCounter>\n    <Integer>91</Integer>\n  </CardCounter>\n"
      "  <ElapsedTime>\n    <Float>123.456789</Float>\n  </ElapsedTime>\n</Sorvane32XML>\n";
  EXPECT_EQ(Saved.substr(Saved.size() - end.size()), end);
  pugi::xml_document tree;
  ASSERT_TRUE(tree.load_string(Saved.c_str()));
  EXPECT_EQ(tree.select_nodes("//UndoInfo").size(), 2u * 1144);
  EXPECT_EQ(tree.select_nodes("//Card[@Valid='False'][not(@Index)]").size(), 2u * 1144 - 64 - 54);
  EXPECT_EQ(tree.select_nodes("//ArrayElement").size(), 2u * 104);
  EXPECT_STREQ(NodeAt(tree, CurrentDeckArray).attribute("ShuffleIndex").value(), "40");
  // Only occupied column slots record a face flag.
  const char* flags[][2] = {{"//CurrentGame//Home/UndoInfo[1]", "False"},
                            {"//CurrentGame//Pile/UndoInfo[@Column='0'][@Row='2']", "True"},
                            {"//CurrentGame//Pile/UndoInfo[@Column='0'][@Row='0']", "False"},
                            {"//CurrentGame//Pile/UndoInfo[@Column='9'][@Row='50']", "False"}};
  for (const auto& [slot, flag] : flags)
    EXPECT_STREQ(NodeAt(tree, slot).child("FaceUp").child_value("Boolean"), flag) << slot;
}

TEST_F(GameFileTest, ProgressRisesAQuarterForEachTopLevelElementEvenPastAHundred) {
  std::vector<int> progress;
  const auto record = [&progress](int percent) { progress.push_back(percent); };
  LoadIntoOther(Saved, record);
  LoadIntoOther(Edited(Saved,
                       [](pugi::xml_document& tree) {
                         tree.document_element().prepend_child("Comment");
                         tree.document_element().append_child("Extra");
                       }),
                record);
  EXPECT_EQ(progress, (std::vector<int>{25, 50, 75, 100, 25, 50, 75, 100, 125, 150}));
}

TEST_F(GameFileTest, WhatTheFormatToleratesLoadsAsUsual) {
  using TEdit = std::function<void(pugi::xml_document&)>;
  const auto all = [](const char* path, const char* name, const char* value) {
    return [=](pugi::xml_document& tree) {
      for (pugi::xpath_node node : tree.select_nodes(path))
        node.node().attribute(name).set_value(value);
    };
  };
  const auto text = [](const char* path, const char* value) {
    return [=](pugi::xml_document& tree) { NodeAt(tree, path).text().set(value); };
  };
  const struct {
    const char* Name;
    TEdit Edit;
    double Seconds = 123.456789;
  } cases[] = {
      {"wrong card names", all("//Card[@Name]", "Name", "??")},
      {"a missing card name",
       [](pugi::xml_document& tree) { NodeAt(tree, Card00).remove_attribute("Name"); }},
      {"another document element, no version",
       [](pugi::xml_document& tree) {
         tree.document_element().set_name("Something");
         tree.document_element().remove_attribute("Sorvane32XML");
       }},
      {"Booleans as numbers", all("//Card[@Valid='True']", "Valid", "1")},
      {"Booleans in lower case", all("//Card[@FaceUp='False']", "FaceUp", "false")},
      {"unknown elements skipped",
       [](pugi::xml_document& tree) {
         NodeAt(tree, "//CurrentGame/UndoItem/Home").prepend_child("Note");
         NodeAt(tree, "//CurrentGame/UndoItem").append_child("Note");
         NodeAt(tree, Card00).parent().append_child("Note");
       }},
      {"empty values give their defaults",
       [](pugi::xml_document& tree) {
         NodeAt(tree, "/*/CardCounter/Integer").text().set("");
         NodeAt(tree, "//CurrentGame//Home/UndoInfo[1]/FaceUp/Boolean").text().set("");
       }},
      {"a card counter that disagrees with Counter", text("/*/CardCounter/Integer", "5")},
      {"a float with a comma", text("/*/ElapsedTime/Float", "123,456789")},
      {"a float with an exponent", text("/*/ElapsedTime/Float", "1.23456789E2")},
      {"no elapsed time",
       [](pugi::xml_document& tree) { tree.document_element().remove_child("ElapsedTime"); }, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    LoadIntoOther(Edited(Saved, c.Edit));
    EXPECT_EQ(Describe(Other), Describe(Engine));
    EXPECT_NEAR(OtherHost.ElapsedSeconds, c.Seconds, 1e-9);
  }
  // A card without DealFaceUp was dealt as it lies now.
  const TCard& card = *Engine.Table.Slot(0, 2);
  ASSERT_TRUE(card.FaceUp && !card.DealFaceUp);
  LoadIntoOther(Edited(Saved, [](pugi::xml_document& tree) {
    for (pugi::xpath_node node : tree.select_nodes("//UndoInfo[@Column='0'][@Row='2']/Card"))
      node.node().remove_attribute("DealFaceUp");
  }));
  EXPECT_TRUE(Other.Deck().Card(card.Index).DealFaceUp);
}

// Games saved by earlier builds (the fuzz target's seeds) must still load.
TEST_F(GameFileTest, SavedGamesOfEarlierBuildsStillLoad) {
  const QDir folder(QStringLiteral(SORVANE_SAVED_GAMES));
  const QStringList names = folder.entryList({QStringLiteral("*.svgm")}, QDir::Files);
  EXPECT_GE(names.size(), 3);
  for (const QString& name : names) {
    EXPECT_NO_THROW(Other.LoadGameFile(folder.filePath(name))) << name.toStdString();
    EXPECT_EQ(Other.GameFileName, folder.filePath(name));
    ::ExpectEveryCardOnce(Other);
  }
}

// Whatever loads can be played on, saved and loaded again: the position as
// loaded, and its replay dealt to the last row.
TEST_F(GameFileTest, ALoadedGameCanBePlayedOnSavedAndLoadedAgain) {
  std::vector<std::string> games{Saved};
  const QDir folder(QStringLiteral(SORVANE_SAVED_GAMES));
  for (const QString& name : folder.entryList({QStringLiteral("*.svgm")}, QDir::Files)) {
    QFile file(folder.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    games.push_back(file.readAll().toStdString());
  }
  for (const std::string& game : games) {
    ASSERT_NO_THROW(LoadIntoOther(game));
    EXPECT_NO_THROW(LoadIntoOther(Other.SaveGameDocument()));
    Other.ReplayGame();
    for (int row = 0; row < MaxDealCount; ++row)
      Other.DealRow();
    EXPECT_TRUE(Other.Deck().Shuffler().IsEmpty());
    EXPECT_NO_THROW(LoadIntoOther(Other.SaveGameDocument()));
    EXPECT_EQ(Other.DealCount, MaxDealCount);
  }
}
