#include "persist/TypedValues.h"

#include <cstring>

#include "persist/ValueText.h"

namespace {

[[noreturn]] void OutOfMemory() {
  throw std::runtime_error("Not enough memory to build the XML document");
}

void SetValue(pugi::xml_node node, const char* typeName, const std::string& text) {
  if (!AppendElement(node, typeName).text().set(text.c_str()))
    OutOfMemory();
}

}  // namespace

pugi::xml_node AppendElement(pugi::xml_node node, const char* name) {
  pugi::xml_node child = node.append_child(name);
  if (!child)
    OutOfMemory();
  return child;
}

void AppendAttribute(pugi::xml_node node, const char* name, const char* value) {
  if (!node.append_attribute(name).set_value(value))
    OutOfMemory();
}

void SetIntegerValue(pugi::xml_node node, int32_t value) {
  SetValue(node, "Integer", IntegerText(value));
}

void SetFloatValue(pugi::xml_node node, double value) {
  SetValue(node, "Float", FloatText(value, LocaleDecimalSeparator()));
}

void SetBooleanValue(pugi::xml_node node, bool value) {
  SetValue(node, "Boolean", BooleanText(value));
}

void AddIntegerElement(pugi::xml_node node, const char* name, int32_t value) {
  SetIntegerValue(AppendElement(node, name), value);
}

void AddFloatElement(pugi::xml_node node, const char* name, double value) {
  SetFloatValue(AppendElement(node, name), value);
}

void AddBooleanElement(pugi::xml_node node, const char* name, bool value) {
  SetBooleanValue(AppendElement(node, name), value);
}

const char* LocalName(const char* name) {
  const char* colon = std::strrchr(name, ':');
  return colon != nullptr ? colon + 1 : name;
}

bool ReadTypedValue(pugi::xml_node node, const char* typeName, std::string& text) {
  const pugi::xml_node type = node.first_child();
  // A text child has no name; an element without any child is read the same way.
  const char* found = type.type() == pugi::node_element ? LocalName(type.name()) : "";
  if (std::strcmp(found, typeName) != 0)
    throw ETypedValueError(std::string("Expected ") + typeName + ". Found: " + found);
  if (type.find_child([](pugi::xml_node child) { return child.type() == pugi::node_element; }))
    throw ETypedValueError(std::string(typeName) + " holds elements instead of a single text");
  text = type.text().get();
  return !text.empty();
}

int32_t ReadIntegerElement(pugi::xml_node node, int32_t defaultValue) {
  std::string text;
  return ReadTypedValue(node, "Integer", text) ? ParseInteger(text) : defaultValue;
}

double ReadFloatElement(pugi::xml_node node, double defaultValue) {
  std::string text;
  return ReadTypedValue(node, "Float", text) ? ParseFloat(text) : defaultValue;
}

bool ReadBooleanElement(pugi::xml_node node, bool defaultValue) {
  std::string text;
  return ReadTypedValue(node, "Boolean", text) ? ParseBoolean(text) : defaultValue;
}
