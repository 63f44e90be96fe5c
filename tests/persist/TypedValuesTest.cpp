// Typed value elements: what they write, their defaults and the type test.
#include <gtest/gtest.h>

#include <QLocale>
#include <sstream>

#include "persist/TypedValues.h"
#include "persist/ValueText.h"

TEST(TypedValuesTest, ElementsAreWrittenAsValueThenTypeThenTextInTheLocalesForm) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  pugi::xml_document document;
  pugi::xml_node root = document.append_child("R");
  AddIntegerElement(root, "Counter", -5);
  AddBooleanElement(root, "FaceUp", true);
  AddFloatElement(root, "ElapsedTime", 12.25);
  QLocale::setDefault(QLocale::c());
  std::ostringstream text;
  root.print(text, "", pugi::format_raw);
  EXPECT_EQ(text.str(),
            "<R><Counter><Integer>-5</Integer></Counter><FaceUp><Boolean>True</Boolean></FaceUp>"
            "<ElapsedTime><Float>12,25</Float></ElapsedTime></R>");
  EXPECT_EQ(ReadFloatElement(root.child("ElapsedTime"), 0), 12.25);
}

TEST(TypedValuesTest, ValuesReadBackAndEmptyOnesGiveTheirDefaults) {
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(
      "<R><A><Integer>-5</Integer></A><B><Integer/></B><C><Float></Float></C>"
      "<D><Boolean>true</Boolean></D><E><Boolean>0</Boolean></E><F><Boolean/></F>"
      "<G><x:Integer>3</x:Integer></G><H><Integer>many</Integer></H></R>"));
  const pugi::xml_node root = document.document_element();
  EXPECT_EQ(ReadIntegerElement(root.child("A"), 104), -5);
  EXPECT_EQ(ReadIntegerElement(root.child("B"), 104), 104);
  EXPECT_EQ(ReadFloatElement(root.child("C"), 1.5), 1.5);
  EXPECT_TRUE(ReadBooleanElement(root.child("D"), false));
  EXPECT_FALSE(ReadBooleanElement(root.child("E"), true));
  EXPECT_TRUE(ReadBooleanElement(root.child("F"), true));
  EXPECT_EQ(ReadIntegerElement(root.child("G"), 0), 3);  // matched by local name
  EXPECT_THROW(ReadIntegerElement(root.child("H"), 1), EConvertError);
}

TEST(TypedValuesTest, TheTypeTestNamesWhatItFound) {
  const std::pair<const char*, const char*> cases[] = {
      {"<A><Float>1</Float></A>", "Expected Integer. Found: Float"},
      {"<A><integer>1</integer></A>", "Expected Integer. Found: integer"},
      {"<A>12</A>", "Expected Integer. Found: "},
      {"<A/>", "Expected Integer. Found: "},
      {"<A><Float>1</Float><Integer>1</Integer></A>", "Expected Integer. Found: Float"},
      {"<A><Integer><B/></Integer></A>", "Integer holds elements instead of a single text"}};
  for (const auto& [xml, error] : cases) {
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(xml));
    std::string text;
    try {
      ReadTypedValue(document.document_element(), "Integer", text);
      ADD_FAILURE() << xml;
    } catch (const ETypedValueError& e) {
      EXPECT_STREQ(e.what(), error);
    }
  }
}
