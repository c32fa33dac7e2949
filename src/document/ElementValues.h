#pragma once
// Reading the values of a print element. Every value is the text of a child element: the
// first child of that name, its first text node, taken as UTF-8 (the loader hands TinyXML
// UTF-8 whatever the file's encoding). No reader fails: a missing parent, child or text, or
// a text that is not a number, gives the default of its kind.
#include <array>
#include <string>
#include <string_view>

class TiXmlElement;

namespace zentyra {

// Texts are held to this many UTF-16 units, as the fixed conversion buffers did.
inline constexpr std::size_t kMaxTextUnits = 1023;

// The first child element of that name (names are case-sensitive), or null.
const TiXmlElement* FirstChildElement(const TiXmlElement* parent, std::string_view name);
// The next sibling element of that name, or null.
const TiXmlElement* NextSiblingElement(const TiXmlElement* element, std::string_view name);
// The element's first text node, whole; empty when there is none.
std::string ElementText(const TiXmlElement* element);
// The first text node of the named child, whole.
std::string ChildText(const TiXmlElement* parent, std::string_view name);

// Numbers as C's atof and atoi read them, with "." as the decimal point whatever the process
// locale: leading blanks and a sign allowed, the longest number prefix taken, 0 when there is
// none. Integers beyond the 32-bit range are clamped to it.
double ParseReal(std::string_view text);
int ParseInteger(std::string_view text);

struct Triple {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// UTF-8, at most kMaxTextUnits UTF-16 units; empty when missing.
std::string ReadChildText(const TiXmlElement* parent, std::string_view name);
double ReadChildReal(const TiXmlElement* parent, std::string_view name);
int ReadChildInteger(const TiXmlElement* parent, std::string_view name);
// False only for "FALSE", "NO" and "0" in any case; a missing child or text is true.
bool ReadChildFlag(const TiXmlElement* parent, std::string_view name);
// "r g b" with components 0..1 becomes "R,G,B" of the components times 255, truncated; a
// component the text does not hold counts 0. Empty when the child or its text is missing.
std::string ReadChildColour(const TiXmlElement* parent, std::string_view name);
// "x y z"; components the text does not hold stay 0.0.
Triple ReadChildTriple(const TiXmlElement* parent, std::string_view name);
// A text passed through TranslateNames into the print language.
std::string ReadChildName(const TiXmlElement* parent, std::string_view name);

} // namespace zentyra
