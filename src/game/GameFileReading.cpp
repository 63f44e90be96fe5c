// Reading a saved game into scratch values. Nothing here touches the table:
// the engine applies the result only after CheckSavedGame has passed it.

#include <cctype>
#include <cstring>
#include <string_view>

#include "cards/Deck.h"
#include "game/GameFile.h"
#include "persist/TypedValues.h"
#include "persist/ValueText.h"

namespace {

constexpr int PercentPerSection = 25;

bool Named(pugi::xml_node node, const char* name) {
  return node.type() == pugi::node_element && std::strcmp(LocalName(node.name()), name) == 0;
}

// Reading of attributes and typed values, with messages that name the
// element and, when the file is UTF-8 as parsed, its byte offset.
class TNodeReader {
 public:
  explicit TNodeReader(bool byteOffsets) : FByteOffsets(byteOffsets) {}

  // "<UndoInfo> at offset 1234", for the messages that refuse a file.
  std::string Where(pugi::xml_node node) const {
    std::string where =
        node.type() == pugi::node_element ? "<" + std::string(node.name()) + ">" : "Text";
    const ptrdiff_t offset = node.offset_debug();
    if (FByteOffsets && offset >= 0)
      where += " at offset " + std::to_string(offset);
    return where;
  }

  static pugi::xml_attribute FindAttribute(pugi::xml_node node, const char* name) {
    for (pugi::xml_attribute attribute : node.attributes())
      if (std::strcmp(LocalName(attribute.name()), name) == 0)
        return attribute;
    return {};
  }

  std::string RequiredText(pugi::xml_node node, const char* name) const {
    const pugi::xml_attribute attribute = FindAttribute(node, name);
    if (!attribute)
      throw EGameFileError(Where(node) + " has no " + name + " attribute.");
    return attribute.value();
  }

  // Converts with the value rules; a text that does not convert names its place.
  template <class TConvert>
  auto Converted(pugi::xml_node node, const char* name, const std::string& text,
                 TConvert convert) const {
    try {
      return convert(text);
    } catch (const EConvertError& error) {
      throw EGameFileError(Where(node) + ", " + name + ": " + error.what() + ".");
    }
  }

  int32_t IntegerAttribute(pugi::xml_node node, const char* name) const {
    return Converted(node, name, RequiredText(node, name),
                     [](const std::string& text) { return ParseInteger(text); });
  }

  int32_t IntegerAttributeIn(pugi::xml_node node, const char* name, int32_t low,
                             int32_t high) const {
    const int32_t value = IntegerAttribute(node, name);
    if (value < low || value > high)
      throw EGameFileError(Where(node) + ": " + name + " " + std::to_string(value) +
                           " is outside " + std::to_string(low) + ".." + std::to_string(high) +
                           ".");
    return value;
  }

  bool BooleanAttribute(pugi::xml_node node, const char* name) const {
    return Converted(node, name, RequiredText(node, name),
                     [](const std::string& text) { return ParseBoolean(text); });
  }

  template <class TRead>
  auto TypedElement(pugi::xml_node node, TRead read) const {
    try {
      return read(node);
    } catch (const EConvertError& error) {
      throw EGameFileError(Where(node) + ": " + error.what() + ".");
    } catch (const ETypedValueError& error) {
      throw EGameFileError(std::string(error.what()) + " in " + PathOf(node));
    }
  }

  // "CurrentGame/UndoItem/Counter": the element's names below the document's.
  static std::string PathOf(pugi::xml_node node) {
    std::string path = node.name();
    for (pugi::xml_node up = node.parent(); up.parent().type() == pugi::node_element;
         up = up.parent())
      path = std::string(up.name()) + "/" + path;
    return path;
  }

 private:
  bool FByteOffsets;
};

class TGameFileReader : public TNodeReader {
 public:
  TGameFileReader(TDeck& deck, TSavedGame& game, bool byteOffsets)
      : TNodeReader(byteOffsets), FDeck(deck), FGame(game) {}

  void ReadDocument(pugi::xml_node root, const std::function<void(int)>& progress);

 private:
  void ReadSection(pugi::xml_node section, TUndoItem& item);
  void ReadUndoItem(pugi::xml_node node, TUndoItem& item);
  void ReadHome(pugi::xml_node home, TUndoItem& item);
  void ReadPile(pugi::xml_node pile, TUndoItem& item);
  void ReadUndoInfo(pugi::xml_node node, TUndoInfo& slot);
  void ReadCard(pugi::xml_node card, TUndoInfo& slot);
  void ReadDeckArray(pugi::xml_node array, TDeckState& state);

  TDeck& FDeck;
  TSavedGame& FGame;
};

void TGameFileReader::ReadDocument(pugi::xml_node root, const std::function<void(int)>& progress) {
  int percent = 0;
  // The document element's own name and its version are not examined.
  for (pugi::xml_node child : root.children()) {
    if (Named(child, "CurrentGame")) {
      ReadSection(child, FGame.Current);
      FGame.HasCurrent = true;
    } else if (Named(child, "GameStart")) {
      ReadSection(child, FGame.Start);
      FGame.HasStart = true;
    } else if (Named(child, "CardCounter")) {
      FGame.CardCounter =
          TypedElement(child, [](pugi::xml_node n) { return ReadIntegerElement(n, 104); });
    } else if (Named(child, "ElapsedTime")) {
      FGame.ElapsedTime =
          TypedElement(child, [](pugi::xml_node n) { return ReadFloatElement(n, 0); });
    } else if (Named(child, "Suits")) {
      FGame.Suits = TypedElement(child, [](pugi::xml_node n) { return ReadIntegerElement(n, 4); });
    }
    percent += PercentPerSection;
    if (progress)
      progress(percent);
  }
}

// Every UndoItem of a section is read over the one before.
void TGameFileReader::ReadSection(pugi::xml_node section, TUndoItem& item) {
  for (pugi::xml_node child : section.children())
    if (Named(child, "UndoItem"))
      ReadUndoItem(child, item);
}

void TGameFileReader::ReadUndoItem(pugi::xml_node node, TUndoItem& item) {
  for (pugi::xml_node child : node.children()) {
    if (Named(child, "Home")) {
      ReadHome(child, item);
    } else if (Named(child, "Pile")) {
      ReadPile(child, item);
    } else if (Named(child, "Counter")) {
      item.Counter = TypedElement(child, [](pugi::xml_node n) { return ReadIntegerElement(n, 0); });
    } else if (Named(child, "DealCount")) {
      item.DealCount =
          TypedElement(child, [](pugi::xml_node n) { return ReadIntegerElement(n, 0); });
    } else if (Named(child, "DeckState")) {
      for (pugi::xml_node array : child.children())
        if (Named(array, "DeckArray"))
          ReadDeckArray(array, item.DeckState);
    }
  }
}

void TGameFileReader::ReadHome(pugi::xml_node home, TUndoItem& item) {
  for (pugi::xml_node child : home.children()) {
    if (!Named(child, "UndoInfo"))
      continue;
    const int32_t c = IntegerAttributeIn(child, "Column", 0, HomePiles - 1);
    const int32_t r = IntegerAttributeIn(child, "Row", 0, HomeSlots - 1);
    ReadUndoInfo(child, item.Home[static_cast<size_t>(c)][static_cast<size_t>(r)]);
  }
}

// Under Pile every child is a slot, whatever its name.
void TGameFileReader::ReadPile(pugi::xml_node pile, TUndoItem& item) {
  for (pugi::xml_node child : pile.children()) {
    const int32_t c = IntegerAttributeIn(child, "Column", 0, Columns - 1);
    const int32_t r = IntegerAttributeIn(child, "Row", 0, PileSlots - 1);
    ReadUndoInfo(child, item.Pile[static_cast<size_t>(c)][static_cast<size_t>(r)]);
  }
}

void TGameFileReader::ReadUndoInfo(pugi::xml_node node, TUndoInfo& slot) {
  for (pugi::xml_node child : node.children()) {
    if (Named(child, "Card"))
      ReadCard(child, slot);
    else if (Named(child, "FaceUp"))
      slot.FaceUp =
          TypedElement(child, [](pugi::xml_node n) { return ReadBooleanElement(n, false); }) ? 1
                                                                                             : 0;
  }
}

// The card's own flags are kept by card index; a card named again later
// takes the later flags. A missing DealFaceUp is the card's FaceUp.
void TGameFileReader::ReadCard(pugi::xml_node card, TUndoInfo& slot) {
  if (!BooleanAttribute(card, "Valid")) {
    slot.Card = nullptr;
    return;
  }
  const int32_t index = IntegerAttributeIn(card, "Index", 0, FDeck.CardCount() - 1);
  const bool faceUp = BooleanAttribute(card, "FaceUp");
  const bool dealFaceUp =
      FindAttribute(card, "DealFaceUp") ? BooleanAttribute(card, "DealFaceUp") : faceUp;
  slot.Card = &FDeck.Card(index);
  FGame.Cards[static_cast<size_t>(index)] = {true, faceUp, dealFaceUp};
}

// The order must hold exactly the deck's cards, each position given once.
void TGameFileReader::ReadDeckArray(pugi::xml_node array, TDeckState& state) {
  const int32_t count = FDeck.CardCount();
  const int32_t given = IntegerAttribute(array, "Count");
  if (given != count)
    throw EGameFileError(Where(array) + ": Count " + std::to_string(given) +
                         " does not match the deck's " + std::to_string(count) + " cards.");
  state.ShuffleIndex = IntegerAttributeIn(array, "ShuffleIndex", 0, count);
  state.DeckArray.assign(static_cast<size_t>(count), 0);
  std::vector<bool> placed(static_cast<size_t>(count), false);
  for (pugi::xml_node element : array.children()) {
    if (!Named(element, "ArrayElement"))
      continue;
    const int32_t i = IntegerAttributeIn(element, "Index", 0, count - 1);
    if (placed[static_cast<size_t>(i)])
      throw EGameFileError(Where(element) + ": position " + std::to_string(i) +
                           " of the deck order is given twice.");
    placed[static_cast<size_t>(i)] = true;
    state.DeckArray[static_cast<size_t>(i)] = IntegerAttribute(element, "Value");
  }
  for (int32_t i = 0; i < count; ++i)
    if (!placed[static_cast<size_t>(i)])
      throw EGameFileError(Where(array) + ": position " + std::to_string(i) +
                           " of the deck order is missing.");
}

const char* const NotXml = "The file is not a saved game: it is not an XML file.";

// Text outside the markup (pugixml drops it): random bytes or a packed
// file. An empty file, or one with only a declaration and comments, holds
// none.
bool HoldsText(const char* data, size_t size) {
  bool inMarkup = false;
  const size_t start = std::string_view(data, size).starts_with("\xEF\xBB\xBF") ? 3 : 0;
  for (size_t i = start; i < size; ++i) {
    const char c = data[i];
    if (c == '<' || c == '>')
      inMarkup = c == '<';
    else if (!inMarkup && std::isspace(static_cast<unsigned char>(c)) == 0)
      return true;
  }
  return false;
}

}  // namespace

TSavedGame ReadGameDocument(const char* data, size_t size, TDeck& deck,
                            const std::function<void(int)>& progress) {
  if (size > static_cast<size_t>(MaxGameFileSize))
    throw EGameFileError("The file is larger than 16 MiB; it is no saved game.");
  pugi::xml_document document;
  // No DTD is processed: only the five predefined entities and character
  // references are expanded.
  const pugi::xml_parse_result parsed = document.load_buffer(data, size, pugi::parse_default);
  // pugixml converts other encodings to UTF-8 first; its offsets are then
  // those of the converted text, not of the file.
  const bool byteOffsets = parsed.encoding == pugi::encoding_utf8;
  if (parsed.status == pugi::status_no_document_element)
    throw EGameFileError(HoldsText(data, size) ? NotXml : "Empty Game File");
  if (!parsed)
    throw EGameFileError(std::string("The file is not well-formed XML: ") + parsed.description() +
                         (byteOffsets ? " at offset " + std::to_string(parsed.offset) : "") + ".");
  TSavedGame game;
  game.Cards.resize(static_cast<size_t>(deck.CardCount()));
  TGameFileReader(deck, game, byteOffsets).ReadDocument(document.document_element(), progress);
  return game;
}
