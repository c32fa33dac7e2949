#include "document/XmlLoading.h"

#include "platform/CodePage.h"
#include "platform/Text.h"

#include <tinyxml.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace zentyra {

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

std::string Utf16BytesToUtf8(std::string_view bytes, bool littleEndian) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        units.push_back(littleEndian ? static_cast<char16_t>(first | (second << 8))
                                     : static_cast<char16_t>((first << 8) | second));
    }
    return Utf16ToUtf8(units);
}

// UTF-16 text without a mark still begins with '<' followed by an ASCII character ("<?xml",
// "<Zentyra"), which puts a NUL in every other byte.
bool LooksLikeUtf16(std::string_view bytes, bool littleEndian) {
    if (bytes.size() < 4) return false;
    const std::size_t low = littleEndian ? 0 : 1;
    const std::size_t high = littleEndian ? 1 : 0;
    const auto isAscii = [](char c) { return c != 0 && static_cast<unsigned char>(c) < 0x80; };
    return bytes[low] == '<' && bytes[high] == 0 && isAscii(bytes[2 + low]) && bytes[2 + high] == 0;
}

std::string ValidUtf8(std::string_view bytes) {
    if (IsValidUtf8(bytes)) return std::string(bytes);
    return Utf16ToUtf8(Utf8ToUtf16(bytes)); // invalid sequences become U+FFFD
}

enum class DeclaredEncoding { None, Utf8, Windows1252, Other };

// The encoding named by the XML declaration at the start of the bytes; None when there is no
// declaration, Utf8 for a declaration that names no encoding (XML's default).
DeclaredEncoding FindDeclaredEncoding(std::string_view bytes) {
    std::size_t start = 0;
    while (start < bytes.size() && (bytes[start] == ' ' || bytes[start] == '\t' ||
                                    bytes[start] == '\r' || bytes[start] == '\n'))
        ++start;
    bytes.remove_prefix(start);
    if (!StartsWith(bytes, "<?xml")) return DeclaredEncoding::None;
    const std::size_t end = bytes.find("?>");
    if (end == std::string_view::npos) return DeclaredEncoding::None;
    const std::string_view declaration = bytes.substr(0, end);
    const std::size_t key = declaration.find("encoding");
    if (key == std::string_view::npos) return DeclaredEncoding::Utf8;
    std::size_t i = key + 8;
    const auto skipBlanks = [&] {
        while (i < declaration.size() && (declaration[i] == ' ' || declaration[i] == '\t' ||
                                          declaration[i] == '\r' || declaration[i] == '\n'))
            ++i;
    };
    skipBlanks();
    if (i >= declaration.size() || declaration[i] != '=') return DeclaredEncoding::Other;
    ++i;
    skipBlanks();
    if (i >= declaration.size() || (declaration[i] != '"' && declaration[i] != '\''))
        return DeclaredEncoding::Other;
    const char quote = declaration[i++];
    const std::size_t close = declaration.find(quote, i);
    if (close == std::string_view::npos) return DeclaredEncoding::Other;
    const std::string name = ToLower(declaration.substr(i, close - i));
    if (name == "utf-8" || name == "utf8" || name == "us-ascii" || name == "ascii")
        return DeclaredEncoding::Utf8;
    if (name == "iso-8859-1" || name == "iso8859-1" || name == "latin1" || name == "latin-1" ||
        name == "windows-1252" || name == "cp1252")
        return DeclaredEncoding::Windows1252;
    return DeclaredEncoding::Other;
}

// Position just after the end marker, or npos.
std::size_t After(std::string_view text, std::size_t from, std::string_view marker) {
    const std::size_t at = text.find(marker, from);
    return at == std::string_view::npos ? at : at + marker.size();
}

// The end of a markup declaration such as <!DOCTYPE ...>, whose internal subset in square
// brackets may hold '>' of its own.
std::size_t AfterDeclaration(std::string_view text, std::size_t from) {
    int brackets = 0;
    char quote = 0;
    for (std::size_t i = from; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '[') {
            ++brackets;
        } else if (c == ']') {
            --brackets;
        } else if (c == '>' && brackets <= 0) {
            return i + 1;
        }
    }
    return std::string_view::npos;
}

} // namespace

bool NestingDepthWithin(std::string_view xml, int maxDepth) {
    int depth = 0;
    std::size_t i = xml.find('<');
    while (i != std::string_view::npos && i < xml.size()) {
        const std::string_view rest = xml.substr(i);
        std::size_t next = std::string_view::npos;
        if (StartsWith(rest, "<!--")) {
            next = After(xml, i + 4, "-->");
        } else if (StartsWith(rest, "<![CDATA[")) {
            next = After(xml, i + 9, "]]>");
        } else if (StartsWith(rest, "<?")) {
            next = After(xml, i + 2, "?>");
        } else if (StartsWith(rest, "<!")) {
            next = AfterDeclaration(xml, i + 2);
        } else if (StartsWith(rest, "</")) {
            if (depth > 0) --depth;
            next = After(xml, i + 2, ">");
        } else {
            char quote = 0;
            std::size_t j = i + 1;
            for (; j < xml.size(); ++j) {
                const char c = xml[j];
                if (quote) {
                    if (c == quote) quote = 0;
                } else if (c == '"' || c == '\'') {
                    quote = c;
                } else if (c == '>') {
                    break;
                }
            }
            // An unterminated tag still opens a level for TinyXML's recursion.
            if (j >= xml.size() || xml[j - 1] != '/') {
                if (++depth > maxDepth) return false;
            }
            next = j >= xml.size() ? std::string_view::npos : j + 1;
        }
        if (next == std::string_view::npos) break;
        i = xml.find('<', next);
    }
    return true;
}

std::string XmlBytesToUtf8(std::string_view bytes) {
    if (StartsWith(bytes, "\xEF\xBB\xBF")) return ValidUtf8(bytes.substr(3));
    if (StartsWith(bytes, "\xFF\xFE")) return Utf16BytesToUtf8(bytes.substr(2), true);
    if (StartsWith(bytes, "\xFE\xFF")) return Utf16BytesToUtf8(bytes.substr(2), false);
    if (LooksLikeUtf16(bytes, true)) return Utf16BytesToUtf8(bytes, true);
    if (LooksLikeUtf16(bytes, false)) return Utf16BytesToUtf8(bytes, false);
    switch (FindDeclaredEncoding(bytes)) {
    case DeclaredEncoding::Utf8:
        return ValidUtf8(bytes);
    case DeclaredEncoding::Windows1252:
        return ToUtf8(bytes, kCodePage1252);
    case DeclaredEncoding::None:
    case DeclaredEncoding::Other:
        break;
    }
    return IsValidUtf8(bytes) ? std::string(bytes) : ToUtf8(bytes, kCodePage1252);
}

bool ParseXmlText(std::string_view utf8, TiXmlDocument& doc) {
    doc.Clear();
    doc.ClearError();
    if (!NestingDepthWithin(utf8, kMaxXmlNestingDepth)) return false;
    TiXmlBase::SetCondenseWhiteSpace(false);
    const std::string text(utf8); // TinyXML reads a terminated string
    doc.Parse(text.c_str(), nullptr, TIXML_ENCODING_UTF8);
    return !doc.Error() && doc.RootElement() != nullptr;
}

bool LoadXmlFile(const std::string& path, TiXmlDocument& doc) {
    doc.Clear();
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(path, error)) return false;
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad() || bytes.empty()) return false;
    return ParseXmlText(XmlBytesToUtf8(bytes), doc);
}

} // namespace zentyra
