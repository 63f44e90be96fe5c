// Writing a saved game: two snapshots, the card counter and the elapsed
// time, every one of the 1144 slots of each snapshot written, empty or not.

#include "cards/Card.h"
#include "cards/Suits.h"
#include "game/GameFile.h"
#include "persist/TypedValues.h"
#include "persist/ValueText.h"

namespace {

// A document written by this program carries its format version in an
// attribute named like the document element.
constexpr const char* DocumentName = "Sorvane32XML";
constexpr const char* FormatVersion = "1.0";
constexpr const char* Indent = "  ";

void SetAttribute(pugi::xml_node node, const char* name, const std::string& value) {
  AppendAttribute(node, name, value.c_str());
}

class TStringWriter : public pugi::xml_writer {
 public:
  void write(const void* data, size_t size) override {
    Text.append(static_cast<const char*>(data), size);
  }
  std::string Text;
};

// One slot: its place, the card with the card's own flags, and the slot's
// face flag, which only an occupied column slot records.
void WriteSlot(pugi::xml_node parent, int c, int r, const TUndoInfo& info, bool column) {
  pugi::xml_node slot = AppendElement(parent, "UndoInfo");
  SetAttribute(slot, "Column", IntegerText(c));
  SetAttribute(slot, "Row", IntegerText(r));
  pugi::xml_node card = AppendElement(slot, "Card");
  const TCard* held = info.Card;
  SetAttribute(card, "Valid", BooleanText(held != nullptr));
  if (held != nullptr) {
    SetAttribute(card, "Name", held->Name.toStdString());
    SetAttribute(card, "Index", IntegerText(held->Index));
    SetAttribute(card, "FaceUp", BooleanText(held->FaceUp));
    SetAttribute(card, "DealFaceUp", BooleanText(held->DealFaceUp));
  }
  AddBooleanElement(slot, "FaceUp", column && held != nullptr && info.FaceUp != 0);
}

void WriteDeckState(pugi::xml_node parent, const TDeckState& state) {
  pugi::xml_node array = AppendElement(AppendElement(parent, "DeckState"), "DeckArray");
  SetAttribute(array, "Count", IntegerText(static_cast<int32_t>(state.DeckArray.size())));
  SetAttribute(array, "ShuffleIndex", IntegerText(state.ShuffleIndex));
  for (size_t i = 0; i < state.DeckArray.size(); ++i) {
    pugi::xml_node element = AppendElement(array, "ArrayElement");
    SetAttribute(element, "Index", IntegerText(static_cast<int32_t>(i)));
    SetAttribute(element, "Value", IntegerText(state.DeckArray[i]));
  }
}

}  // namespace

void WriteSection(pugi::xml_node parent, const char* sectionName, const TUndoItem& item) {
  pugi::xml_node undo = AppendElement(AppendElement(parent, sectionName), "UndoItem");
  AddIntegerElement(undo, "Counter", item.Counter);
  AddIntegerElement(undo, "DealCount", item.DealCount);
  pugi::xml_node home = AppendElement(undo, "Home");
  for (int c = 0; c < HomePiles; ++c)
    for (int r = 0; r < HomeSlots; ++r)
      WriteSlot(home, c, r, item.Home[static_cast<size_t>(c)][static_cast<size_t>(r)], false);
  pugi::xml_node pile = AppendElement(undo, "Pile");
  for (int c = 0; c < Columns; ++c)
    for (int r = 0; r < PileSlots; ++r)
      WriteSlot(pile, c, r, item.Pile[static_cast<size_t>(c)][static_cast<size_t>(r)], true);
  WriteDeckState(undo, item.DeckState);
}

std::string WriteGameDocument(const TUndoItem& current, const TUndoItem& start, int32_t cardCounter,
                              double elapsedTime, int suits) {
  pugi::xml_document document;
  pugi::xml_node root = AppendElement(document, DocumentName);
  AppendAttribute(root, DocumentName, FormatVersion);
  WriteSection(root, "CurrentGame", current);
  WriteSection(root, "GameStart", start);
  AddIntegerElement(root, "CardCounter", cardCounter);
  AddFloatElement(root, "ElapsedTime", elapsedTime);
  if (suits != ClassicSuits)
    AddIntegerElement(root, "Suits", suits);
  TStringWriter writer;
  writer.Text.reserve(512 * 1024);
  document.save(writer, Indent);
  return std::move(writer.Text);
}
