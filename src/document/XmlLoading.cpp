#include "document/XmlLoading.h"

#include "platform/CodePage.h"
#include "platform/Text.h"

#include <tinyxml.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

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

// A scanner that walks the text the way TinyXML's parser does (node kinds told apart by the
// same prefixes, each node ending where TinyXML ends it), with an explicit stack in place of
// its recursion. It only has to agree with TinyXML where TinyXML goes on parsing: wherever
// TinyXML would stop with an error, the scanner stops too and says it could not follow,
// which rejects the text. So a construct it does not understand never lets the rest through
// uncounted.
class NestingScanner {
public:
    NestingScanner(std::string_view xml, int stopAbove)
        : text_(xml.substr(0, xml.find('\0'))), stopAbove_(stopAbove) {}

    XmlNestingScan Run() {
        SkipWhiteSpace();
        // The document level: TinyXML stops quietly at anything that does not start with '<'.
        while (!AtEnd() && Peek() == '<') {
            if (!ParseNode()) return Result(false);
            if (!ReadContentsOfOpenElements()) return Result(false);
            SkipWhiteSpace();
        }
        return Result(true);
    }

private:
    static bool IsWhiteSpace(char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
    }
    // TinyXML takes every byte from 127 up as a letter (it cannot classify UTF-8).
    static bool IsAlpha(char c) {
        const auto u = static_cast<unsigned char>(c);
        return u >= 127 || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
    }
    static bool IsNameChar(char c) {
        return IsAlpha(c) || (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '.' || c == ':';
    }
    static char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek(std::size_t ahead = 0) const {
        return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
    }
    bool Looking(std::string_view prefix, bool ignoreCase = false) const {
        if (text_.size() - pos_ < prefix.size()) return false;
        for (std::size_t i = 0; i < prefix.size(); ++i) {
            const char c = text_[pos_ + i];
            if (ignoreCase ? Lower(c) != Lower(prefix[i]) : c != prefix[i]) return false;
        }
        return true;
    }
    // White space, and the byte-order marks TinyXML skips with it in UTF-8 mode.
    void SkipWhiteSpace() {
        while (!AtEnd()) {
            if (Looking("\xEF\xBB\xBF") || Looking("\xEF\xBF\xBE") || Looking("\xEF\xBF\xBF"))
                pos_ += 3;
            else if (IsWhiteSpace(Peek()))
                ++pos_;
            else
                break;
        }
    }
    // Moves past the first occurrence of the marker; to the end of the text when there is
    // none, as TinyXML reads on to the end.
    void SkipPast(std::string_view marker) {
        const std::size_t at = text_.find(marker, pos_);
        pos_ = at == std::string_view::npos ? text_.size() : at + marker.size();
    }
    XmlNestingScan Result(bool followed) const { return {maxDepth_, followed}; }

    // One node at '<', identified as TinyXML identifies it. An element whose start tag ends
    // with '>' stays open on the stack; its contents are read by the caller.
    bool ParseNode() {
        if (Looking("<?xml", true)) return ParseDeclaration();
        // A node that runs to the end of the text leaves nothing after it to count: at the
        // document level that ends the scan, inside an element the caller refuses it.
        if (Looking("<!--")) {
            pos_ += 4;
            SkipPast("-->");
            return true;
        }
        if (Looking("<![CDATA[")) {
            pos_ += 9;
            SkipPast("]]>");
            return true;
        }
        if (Looking("<!") || !(IsAlpha(Peek(1)) || Peek(1) == '_')) {
            // Anything else TinyXML keeps as an unknown node, which ends at the first '>'
            // whatever quotes or brackets come before it.
            ++pos_;
            SkipPast(">");
            return true;
        }
        return ParseStartTag();
    }

    bool ParseStartTag() {
        ++pos_; // '<'
        const std::size_t nameStart = pos_;
        while (!AtEnd() && IsNameChar(Peek()))
            ++pos_;
        const std::string_view name = text_.substr(nameStart, pos_ - nameStart);
        ++depth_;
        maxDepth_ = std::max(maxDepth_, depth_);
        if (depth_ > stopAbove_) return false;
        while (true) {
            SkipWhiteSpace();
            if (AtEnd()) return false;
            if (Peek() == '/') {
                if (Peek(1) != '>') return false;
                pos_ += 2;
                --depth_;
                return true;
            }
            if (Peek() == '>') {
                ++pos_;
                open_.push_back(name);
                return true;
            }
            if (!ParseAttribute()) return false;
        }
    }

    // name = value, the value quoted with ' or " (and then holding anything up to the same
    // quote) or, as TinyXML tolerates, unquoted up to white space, '/' or '>'.
    bool ParseAttribute() {
        SkipWhiteSpace();
        if (AtEnd() || !(IsAlpha(Peek()) || Peek() == '_')) return false;
        while (!AtEnd() && IsNameChar(Peek()))
            ++pos_;
        SkipWhiteSpace();
        if (Peek() != '=') return false;
        ++pos_;
        SkipWhiteSpace();
        if (AtEnd()) return false;
        const char quote = Peek();
        if (quote == '"' || quote == '\'') {
            ++pos_;
            SkipPast(std::string_view(&quote, 1));
            return !AtEnd();
        }
        while (!AtEnd() && !IsWhiteSpace(Peek()) && Peek() != '/' && Peek() != '>') {
            if (Peek() == '"' || Peek() == '\'') return false;
            ++pos_;
        }
        return !AtEnd();
    }

    // <?xml ...: TinyXML reads version, encoding and standalone as attributes (so a quoted
    // value may hold '>'), steps over any other word, and ends at the first '>' between them.
    bool ParseDeclaration() {
        pos_ += 5;
        while (!AtEnd()) {
            if (Peek() == '>') {
                ++pos_;
                return true;
            }
            SkipWhiteSpace();
            if (Looking("version", true) || Looking("encoding", true) ||
                Looking("standalone", true)) {
                if (!ParseAttribute()) return AtEnd();
            } else {
                while (!AtEnd() && Peek() != '>' && !IsWhiteSpace(Peek()))
                    ++pos_;
            }
        }
        return true;
    }

    // The contents of the open elements, down to the level the caller started from: text up
    // to the next '<', child nodes, and end tags, which must name the element.
    bool ReadContentsOfOpenElements() {
        while (!open_.empty()) {
            SkipWhiteSpace();
            if (AtEnd()) return false;
            if (Peek() != '<') {
                if (!SkipTo('<')) return false;
                continue;
            }
            if (Looking("</")) {
                // "</name", white space, '>'.
                pos_ += 2;
                if (!Looking(open_.back())) return false;
                pos_ += open_.back().size();
                SkipWhiteSpace();
                if (Peek() != '>') return false;
                ++pos_;
                open_.pop_back();
                --depth_;
                continue;
            }
            if (!ParseNode()) return false;
        }
        return true;
    }

    bool SkipTo(char c) {
        const std::size_t at = text_.find(c, pos_);
        if (at == std::string_view::npos) return false;
        pos_ = at;
        return true;
    }

    std::string_view text_;
    int stopAbove_;
    std::size_t pos_ = 0;
    int depth_ = 0;
    int maxDepth_ = 0;
    std::vector<std::string_view> open_;
};

} // namespace

XmlNestingScan ScanXmlNesting(std::string_view xml, int stopAbove) {
    return NestingScanner(xml, stopAbove).Run();
}

bool NestingDepthWithin(std::string_view xml, int maxDepth) {
    const XmlNestingScan scan = ScanXmlNesting(xml, maxDepth);
    return scan.followed && scan.maxDepth <= maxDepth;
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
    // TinyXML steps over the bytes a UTF-8 lead byte announces, '<' included, so it gets
    // valid UTF-8 only, the text the nesting scan reads.
    const std::string text = ValidUtf8(utf8);
    if (!NestingDepthWithin(text, kMaxXmlNestingDepth)) return false;
    TiXmlBase::SetCondenseWhiteSpace(false);
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
