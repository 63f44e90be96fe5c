// Typed value elements: what they write, their defaults and the type test.
#include <gtest/gtest.h>

#include <QLocale>
#include <sstream>

#include "persist/TypedValues.h"
#include "persist/ValueText.h"

namespace {

std::string Written(const pugi::xml_node& node) {
  std::ostringstream text;
  node.print(text, "", pugi::format_raw);
  return text.str();
}

pugi::xml_node Parsed(pugi::xml_document& document, const char* xml) {
  EXPECT_TRUE(document.load_string(xml)) << xml;
  return document.document_element();
}

std::string TypeError(const char* xml, const char* type) {
  pugi::xml_document document;
  std::string text;
  try {
    ReadTypedValue(Parsed(document, xml), type, text);
  } catch (const ETypedValueError& error) {
    return error.what();
  }
  return "no error";
}

}  // namespace

TEST(TypedValuesTest, ElementsAreWrittenAsValueThenTypeThenText) {
  pugi::xml_document document;
  pugi::xml_node root = document.append_child("Root");
  AddIntegerElement(root, "Counter", -5);
  AddBooleanElement(root, "FaceUp", true);
  AddFloatElement(root, "ElapsedTime", 12.25);
  SetIntegerValue(root.append_child("Bare"), 7);
  EXPECT_EQ(Written(root),
            "<Root><Counter><Integer>-5</Integer></Counter><FaceUp><Boolean>True</Boolean>"
            "</FaceUp><ElapsedTime><Float>12.25</Float></ElapsedTime><Bare><Integer>7</Integer>"
            "</Bare></Root>");
}

TEST(TypedValuesTest, FloatsAreWrittenWithTheLocaleSeparatorAndReadUnderAnyLocale) {
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  pugi::xml_document document;
  pugi::xml_node root = document.append_child("Root");
  AddFloatElement(root, "ElapsedTime", 1234.567891);
  EXPECT_EQ(Written(root.first_child()), "<ElapsedTime><Float>1234,567891</Float></ElapsedTime>");
  QLocale::setDefault(QLocale::c());
  EXPECT_EQ(ReadFloatElement(root.first_child(), 0), 1234.567891);
  QLocale::setDefault(before);
}

TEST(TypedValuesTest, ValuesReadBackAndEmptyOnesGiveTheirDefaults) {
  pugi::xml_document document;
  const pugi::xml_node root = Parsed(document,
                                     "<R><A><Integer>-5</Integer></A><B><Integer/></B>"
                                     "<C><Float></Float></C><D><Boolean>true</Boolean></D>"
                                     "<E><Boolean>0</Boolean></E><F><Boolean/></F>"
                                     "<G><x:Integer>3</x:Integer></G></R>");
  EXPECT_EQ(ReadIntegerElement(root.child("A"), 104), -5);
  EXPECT_EQ(ReadIntegerElement(root.child("B"), 104), 104);
  EXPECT_EQ(ReadFloatElement(root.child("C"), 1.5), 1.5);
  EXPECT_TRUE(ReadBooleanElement(root.child("D"), false));
  EXPECT_FALSE(ReadBooleanElement(root.child("E"), true));
  EXPECT_TRUE(ReadBooleanElement(root.child("F"), true));
  EXPECT_EQ(ReadIntegerElement(root.child("G"), 0), 3);  // matched by local name
  std::string text;
  EXPECT_FALSE(ReadTypedValue(root.child("B"), "Integer", text));
  EXPECT_TRUE(ReadTypedValue(root.child("A"), "Integer", text));
  EXPECT_EQ(text, "-5");
}

TEST(TypedValuesTest, TheTypeTestNamesWhatItFound) {
  EXPECT_EQ(TypeError("<A><Float>1</Float></A>", "Integer"), "Expected Integer. Found: Float");
  EXPECT_EQ(TypeError("<A><integer>1</integer></A>", "Integer"),
            "Expected Integer. Found: integer");
  EXPECT_EQ(TypeError("<A>12</A>", "Integer"), "Expected Integer. Found: ");
  EXPECT_EQ(TypeError("<A/>", "Boolean"), "Expected Boolean. Found: ");
  EXPECT_EQ(TypeError("<A><Integer><B/></Integer></A>", "Integer"),
            "Integer holds elements instead of a single text");
  // Only the first child counts.
  EXPECT_EQ(TypeError("<A><Float>1</Float><Integer>1</Integer></A>", "Integer"),
            "Expected Integer. Found: Float");
}

TEST(TypedValuesTest, AValueThatDoesNotConvertIsAnErrorNotTheDefault) {
  pugi::xml_document document;
  const pugi::xml_node root = Parsed(document, "<A><Integer>many</Integer></A>");
  EXPECT_THROW(ReadIntegerElement(root, 1), EConvertError);
}
