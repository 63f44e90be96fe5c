// Saved games written and read back: the same game in another engine, the
// document's shape, the progress, and what the format tolerates.
#include <QDir>

#include "game/GameFile.h"
#include "game/SavedGameHelpers.h"

class GameFileTest : public EngineTest {
 protected:
  GameFileTest() : Other(OtherHost, OtherRandom) {
    OtherRandom.SetSeedSource([] { return 77u; });
    Other.ResizeTable(QSize(1024, 768));
    Other.EngineStart();
    Other.NewGame();
    PlayMidGame(Engine);
    Host.ElapsedSeconds = 123.456789;
    Saved = Engine.SaveGameDocument();
  }

  void LoadIntoOther(const std::string& document, const ProgressProc& progress = {}) {
    Other.LoadGameDocument(document.data(), document.size(), progress);
  }

  TRecordingHost OtherHost;
  TRandom OtherRandom;
  TGameEngine Other;
  std::string Saved;
};

TEST_F(GameFileTest, ASavedGameLoadsIntoAnotherEngineAsItWasAndReplaysItsDeal) {
  Other.MoveCount = 17;  // a load keeps the move count
  LoadIntoOther(Saved);
  Engine.MoveCount = 17;
  Engine.ResetUndo();
  Engine.PushUndo();
  Engine.UpdateStatus();
  EXPECT_EQ(Describe(Other), Describe(Engine));
  EXPECT_EQ(Other.CardCounter, 91);
  EXPECT_EQ(Other.DealCount, 1);
  EXPECT_EQ(OtherHost.ElapsedSeconds, 123.456789);
  EXPECT_TRUE(OtherHost.ClockRunning);
  EXPECT_EQ(OtherHost.Caption, Host.Caption);
  // The loaded position is the only undo step.
  EXPECT_TRUE(Other.UndoMove());
  EXPECT_TRUE(Engine.UndoMove());
  EXPECT_EQ(Describe(Other), Describe(Engine));
  EXPECT_FALSE(Other.UndoMove());

  Engine.ReplayGame();
  Other.ReplayGame();
  EXPECT_EQ(Describe(Other), Describe(Engine));
  EXPECT_EQ(Other.Table.PileCount(0), 6);
}

TEST_F(GameFileTest, TheDocumentHoldsEverySlotInTheFormatsOrderAndForms) {
  EXPECT_EQ(Saved.rfind("<?xml version=\"1.0\"?>\n<Sorvane32XML Sorvane32XML=\"1.0\">\n"
                        "  <CurrentGame>\n    <UndoItem>\n      <Counter>\n"
                        "        <Integer>91</Integer>\n      </Counter>\n      <DealCount>\n"
                        "        <Integer>1</Integer>\n      </DealCount>\n      <Home>\n"
                        "        <UndoInfo Column=\"0\" Row=\"0\">\n"
                        "          <Card Valid=\"True\" Name=\"AS\" Index=\"39\" FaceUp=\"True\" "
                        "DealFaceUp=\"",
                        0),
            0u)
      << Saved.substr(0, 600);
  const auto count = [this](const std::string& text) {
    int n = 0;
    for (size_t at = Saved.find(text); at != std::string::npos; at = Saved.find(text, at + 1))
      ++n;
    return n;
  };
  EXPECT_EQ(count("<UndoInfo Column"), 2 * 1144);
  EXPECT_EQ(count("<ArrayElement Index"), 2 * 104);
  EXPECT_EQ(count("<Card Valid=\"False\" />"), 2 * 1144 - (13 + 23) - 54);
  // Top-level order, and the float with its fraction down to microseconds.
  const std::string end =
      "</GameStart>\n  <CardCounter>\n    <Integer>91</Integer>\n  </CardCounter>\n"
      "  <ElapsedTime>\n    <Float>123.456789</Float>\n  </ElapsedTime>\n</Sorvane32XML>\n";
  EXPECT_EQ(Saved.substr(Saved.size() - end.size()), end);
  // Home slots and empty slots record no face flag; a face-up column card does.
  pugi::xml_document tree;
  ASSERT_TRUE(tree.load_string(Saved.c_str()));
  EXPECT_STREQ(NodeAt(tree, "//CurrentGame//Home/UndoInfo[1]/FaceUp/Boolean").text().get(),
               "False");
  EXPECT_STREQ(NodeAt(tree, "//CurrentGame//Pile/UndoInfo[@Column='0'][@Row='2']/FaceUp/Boolean")
                   .text()
                   .get(),
               "True");
  EXPECT_STREQ(NodeAt(tree, "//CurrentGame//Pile/UndoInfo[@Column='0'][@Row='0']/FaceUp/Boolean")
                   .text()
                   .get(),
               "False");
  EXPECT_STREQ(NodeAt(tree, "//CurrentGame//Pile/UndoInfo[@Column='9'][@Row='50']/FaceUp/Boolean")
                   .text()
                   .get(),
               "False");
  EXPECT_STREQ(NodeAt(tree, CurrentDeckArray).attribute("Count").value(), "104");
  EXPECT_STREQ(NodeAt(tree, CurrentDeckArray).attribute("ShuffleIndex").value(), "68");
}

TEST_F(GameFileTest, ProgressRisesAQuarterForEachTopLevelElementEvenPastAHundred) {
  std::vector<int> progress;
  const auto record = [&progress](int percent) { progress.push_back(percent); };
  LoadIntoOther(Saved, record);
  EXPECT_EQ(progress, (std::vector<int>{25, 50, 75, 100}));
  progress.clear();
  LoadIntoOther(Edited(Saved,
                       [](pugi::xml_document& tree) {
                         tree.document_element().prepend_child("Comment");
                         tree.document_element().append_child("Extra");
                       }),
                record);
  EXPECT_EQ(progress, (std::vector<int>{25, 50, 75, 100, 125, 150}));
}

TEST_F(GameFileTest, WhatTheFormatToleratesLoadsAsUsual) {
  using TEdit = std::function<void(pugi::xml_document&)>;
  const auto setText = [](const char* path, const char* text) {
    return [path, text](pugi::xml_document& tree) { NodeAt(tree, path).text().set(text); };
  };
  const struct {
    const char* Name;
    TEdit Edit;
  } cases[] = {
      {"wrong and missing card names",
       [](pugi::xml_document& tree) {
         for (pugi::xpath_node card : tree.select_nodes("//Card[@Name]"))
           card.node().attribute("Name").set_value("??");
         NodeAt(tree, CurrentSlot00).child("Card").remove_attribute("Name");
       }},
      {"another document element, no version",
       [](pugi::xml_document& tree) {
         tree.document_element().set_name("Something");
         tree.document_element().remove_attribute("Sorvane32XML");
       }},
      {"Booleans in any case and as numbers",
       [](pugi::xml_document& tree) {
         for (pugi::xpath_node card : tree.select_nodes("//Card[@Valid='True']"))
           card.node().attribute("Valid").set_value("1");
         for (pugi::xpath_node card : tree.select_nodes("//Card[@FaceUp='False']"))
           card.node().attribute("FaceUp").set_value("false");
         for (pugi::xpath_node flag : tree.select_nodes("//Pile/UndoInfo/FaceUp/Boolean"))
           if (std::string(flag.node().text().get()) == "True")
             flag.node().text().set("TRUE");
       }},
      {"unknown elements skipped",
       [](pugi::xml_document& tree) {
         NodeAt(tree, "//CurrentGame/UndoItem/Home").prepend_child("Note");
         NodeAt(tree, "//CurrentGame/UndoItem").append_child("Note");
         NodeAt(tree, CurrentSlot00).append_child("Note");
         NodeAt(tree, "//CurrentGame").append_child("Note");
       }},
      {"empty values give their defaults",
       [](pugi::xml_document& tree) {
         NodeAt(tree, "/*/CardCounter/Integer").text().set("");
         NodeAt(tree, "//CurrentGame//Home/UndoInfo[1]/FaceUp/Boolean").text().set("");
       }},
      {"a card counter that disagrees", setText("/*/CardCounter/Integer", "5")},
      {"a float with a comma", setText("/*/ElapsedTime/Float", "123,456789")},
      {"an exponent", setText("/*/ElapsedTime/Float", "1.23456789E2")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TRecordingHost host;
    TGameEngine engine(host, Random);
    engine.ResizeTable(QSize(1024, 768));
    engine.EngineStart();
    const std::string edited = Edited(Saved, c.Edit);
    engine.LoadGameDocument(edited.data(), edited.size());
    engine.MoveCount = Engine.MoveCount;
    Engine.ResetUndo();
    Engine.PushUndo();
    EXPECT_EQ(Describe(engine), Describe(Engine));
    EXPECT_NEAR(host.ElapsedSeconds, 123.456789, 1e-9);
  }
}

TEST_F(GameFileTest, SectionsAndValuesTheFileLeavesOutTakeTheirDefaults) {
  // No ElapsedTime: the clock starts at zero.
  LoadIntoOther(Edited(Saved, [](pugi::xml_document& tree) {
    tree.document_element().remove_child("ElapsedTime");
  }));
  EXPECT_EQ(OtherHost.ElapsedSeconds, 0.0);
  // No DealFaceUp: the card was dealt as it lies now.
  TCard& card = *Engine.Table.Slot(0, 2);
  ASSERT_TRUE(card.FaceUp);
  ASSERT_FALSE(card.DealFaceUp);
  LoadIntoOther(Edited(Saved, [](pugi::xml_document& tree) {
    for (pugi::xpath_node node : tree.select_nodes("//Pile/UndoInfo[@Column='0'][@Row='2']/Card"))
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
    SCOPED_TRACE(name.toStdString());
    EXPECT_NO_THROW(Other.LoadGameFile(folder.filePath(name)));
    EXPECT_EQ(Other.GameFileName, folder.filePath(name));
    ::ExpectEveryCardOnce(Other);
  }
}
