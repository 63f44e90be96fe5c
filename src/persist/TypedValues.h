#pragma once

#include <cstdint>
#include <pugixml.hpp>
#include <stdexcept>
#include <string>

// Single values stored in an XML tree as typed value elements: an element
// named after the value whose first child, "Integer", "Float" or "Boolean",
// holds the value as text. Empty text stands for no value.

// A typed value element that does not hold the type asked for.
class ETypedValueError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// pugixml reports a failed allocation by a null node; these turn it into an
// error, so that no document is ever written with parts missing.
pugi::xml_node AppendElement(pugi::xml_node node, const char* name);
void AppendAttribute(pugi::xml_node node, const char* name, const char* value);

// Add the type element to `node` with the value as its text.
void SetIntegerValue(pugi::xml_node node, int32_t value);
void SetFloatValue(pugi::xml_node node, double value);
void SetBooleanValue(pugi::xml_node node, bool value);

// Add a child element `name` to `node` holding the typed value.
void AddIntegerElement(pugi::xml_node node, const char* name, int32_t value);
void AddFloatElement(pugi::xml_node node, const char* name, double value);
void AddBooleanElement(pugi::xml_node node, const char* name, bool value);

// The type test on the typed value element `node`: true with the value's
// text when a value is present, false when the type element is empty.
// Throws ETypedValueError "Expected <type>. Found: <name>" when the first
// child is no element of that type (or there is none).
bool ReadTypedValue(pugi::xml_node node, const char* typeName, std::string& text);

// The value of the typed value element `node`, or `defaultValue` when it is
// empty. A text that does not convert throws EConvertError.
int32_t ReadIntegerElement(pugi::xml_node node, int32_t defaultValue);
double ReadFloatElement(pugi::xml_node node, double defaultValue);
bool ReadBooleanElement(pugi::xml_node node, bool defaultValue);

// A name without its namespace prefix: elements are matched by local name.
const char* LocalName(const char* name);
