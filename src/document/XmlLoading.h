#pragma once
// Loading the project XML file safely. We read the bytes ourselves, turn them into UTF-8 and
// hand TinyXML UTF-8 only, because its own detection passes Latin-1 bytes through, cuts
// character references to one byte in legacy mode and reads UTF-16 as an empty document.
// Nesting is checked before parsing: TinyXML recurses once per level (it overflows the stack
// near 37,000 levels) and takes quadratic time on deep files.
#include <string>
#include <string_view>

class TiXmlDocument;

namespace zentyra {

inline constexpr int kMaxXmlNestingDepth = 1000;

struct XmlNestingScan {
    int maxDepth = 0;      // the deepest element reached (the root is level 1)
    bool followed = false; // false where TinyXML would stop with an error, or past stopAbove
};

// A linear scan that ends every node (declaration, comment, CDATA, unknown node such as a
// processing instruction or DOCTYPE, element, attribute, text) where TinyXML's parser ends it,
// so that its depth is never below the depth TinyXML's recursion reaches. It stops as soon
// as the depth passes stopAbove, and wherever TinyXML would report an error.
XmlNestingScan ScanXmlNesting(std::string_view xml, int stopAbove);

// Whether the scan follows the whole text without any element nesting deeper than maxDepth.
// Fails closed: text the scan cannot follow is refused.
bool NestingDepthWithin(std::string_view xml, int maxDepth);

// The file's text as UTF-8. The encoding comes from a byte-order mark (UTF-8, UTF-16LE/BE),
// else from the NUL pattern of UTF-16 text without a mark, else from the declared encoding
// (Latin-1 and Windows-1252 read as Windows-1252; UTF-8, or a declaration without encoding,
// as UTF-8 with invalid sequences replaced), else from the bytes: valid UTF-8 stays,
// anything else reads as Windows-1252.
std::string XmlBytesToUtf8(std::string_view bytes);

// Parses UTF-8 text with white space kept as it is. False when the text nests too deeply, is
// not well-formed or holds no element.
bool ParseXmlText(std::string_view utf8, TiXmlDocument& doc);
// Reads, transcodes and parses a file. False when the file is missing, is not a regular
// file, is empty or does not parse.
bool LoadXmlFile(const std::string& path, TiXmlDocument& doc);

} // namespace zentyra
