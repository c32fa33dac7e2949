#include "language/KLanguageManagerGeneric.h"

#include "language/TextFile.h"
#include "platform/CodePage.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "settings/PathRegistry.h"
#include "settings/ReportSettings.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace zentyra {

namespace {

const std::string kEmptyString;

bool IsBlank(int c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The leading number as the C library's atoi reads it (blanks, a sign, digits; 0 for
// none), saturated to the int range instead of overflowing.
template <typename Next> long long ReadLeadingNumber(Next next, bool& found) {
    int c = next();
    while (IsBlank(c))
        c = next();
    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        c = next();
    }
    long long value = 0;
    found = false;
    while (c >= '0' && c <= '9') {
        found = true;
        if (value <= INT_MAX) value = value * 10 + (c - '0');
        c = next();
    }
    if (negative) value = -value;
    return std::clamp<long long>(value, INT_MIN, INT_MAX);
}

int AtoiOf(std::u16string_view line) {
    std::size_t at = 0;
    const auto next = [&]() -> int { return at < line.size() ? line[at++] : -1; };
    bool found = false;
    return static_cast<int>(ReadLeadingNumber(next, found));
}

std::u16string ReplaceEscapes(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            const char16_t next = text[i + 1];
            const char16_t replacement = next == u'n'    ? u'\n'
                                         : next == u'r'  ? u'\r'
                                         : next == u't'  ? u'\t'
                                         : next == u'\\' ? u'\\'
                                                         : 0;
            if (replacement != 0) {
                out += replacement;
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

// The language list is ANSI text read with the C stream functions: a number, characters
// skipped unread, and the rest of a line. Every read stops at the end of the file.
class ListFileReader {
public:
    explicit ListFileReader(std::FILE* file) : file_(file) {}

    bool readNumber(long long& value) {
        bool found = false;
        int last = EOF;
        value = ReadLeadingNumber(
            [&] {
                last = std::fgetc(file_);
                return last;
            },
            found);
        if (last != EOF) std::ungetc(last, file_);
        return found;
    }
    void skip(int count) {
        for (int i = 0; i < count && std::fgetc(file_) != EOF; ++i) {
        }
    }
    void skipLine() {
        for (int c = std::fgetc(file_); c != EOF && c != '\n'; c = std::fgetc(file_)) {
        }
    }
    // At most maxLength characters, up to and including a line feed; the line end removed.
    std::string readName(std::size_t maxLength) {
        std::string name;
        while (name.size() < maxLength) {
            const int c = std::fgetc(file_);
            if (c == EOF) break;
            name += static_cast<char>(c);
            if (c == '\n') break;
        }
        while (!name.empty() && (name.back() == '\n' || name.back() == '\r'))
            name.pop_back();
        return name;
    }

private:
    std::FILE* file_;
};

std::unique_ptr<KLanguageManagerGeneric>& PrintLanguageSlot() {
    static std::unique_ptr<KLanguageManagerGeneric> manager;
    return manager;
}

std::unique_ptr<KLanguageManagerGeneric>& ProgramLanguageSlot() {
    static std::unique_ptr<KLanguageManagerGeneric> manager;
    return manager;
}

} // namespace

KLanguageManagerGeneric::KLanguageManagerGeneric(std::string languageDirectory)
    : languageDirectory_(std::move(languageDirectory)) {}

std::string KLanguageManagerGeneric::languageDirectory() const {
    if (!languageDirectory_.empty()) return languageDirectory_;
    return PathRegistry::instance().path(PathRegistry::kLanguageDirectory);
}

bool KLanguageManagerGeneric::init(std::string_view wantedName) {
    const FileHandle file = OpenRegularFile(JoinPath(languageDirectory(), kListFileName));
    if (!file) return false;
    languages_.clear();
    const std::string wanted = ToLower(wantedName);

    ListFileReader reader(file.get());
    long long count = 0;
    reader.readNumber(count);
    // The rest of the count line is its line end; skipping the whole line also reads a
    // list written with bare LF line ends.
    reader.skipLine();
    for (long long i = 0; i < count; ++i) {
        long long id = 0;
        if (!reader.readNumber(id)) break; // end of file, or no id where one belongs
        reader.skip(2);
        const std::string name =
            ToLower(ToUtf8(reader.readName(kMaxListNameLength), kCodePageAnsi));
        const int languageId = static_cast<int>(id);
        languages_.emplace(languageId, name); // the first entry of an id stays
        if (name == wanted) currentLanguageId_ = languageId;
    }
    return true;
}

bool KLanguageManagerGeneric::initProgramLanguage() {
    return init(ReportSettings::instance().programLanguageName());
}

bool KLanguageManagerGeneric::initPrinterLanguage() {
    return init(ReportSettings::instance().printerLanguageName());
}

bool KLanguageManagerGeneric::loadDefaultLanguage() {
    if (languages_.empty()) return false;
    const auto entry = languages_.find(currentLanguageId_);
    return loadLanguage(entry == languages_.end() ? std::string_view() : entry->second);
}

bool KLanguageManagerGeneric::loadLanguage(std::string_view fileName) {
    // An empty name (an id missing from the list) names no file; the directory itself
    // must not be opened in its place.
    if (fileName.empty()) return false;
    TextFile file;
    file.setCodePage(kCodePageAnsi);
    if (file.open(JoinPath(languageDirectory(), fileName), TextFile::Read, TextFile::Detect, 0) !=
        0) {
        return false;
    }
    std::u16string line;
    file.readLine(line);
    const int count = std::max(AtoiOf(line), 0);

    strings_.clear();
    declaredCount_ = count;
    while (strings_.size() < static_cast<std::size_t>(count) && file.readLine(line) == 0)
        strings_.push_back(Utf16ToUtf8(ReplaceEscapes(line)));
    strings_.shrink_to_fit();
    file.close();
    return true;
}

bool KLanguageManagerGeneric::loadLanguage(int id) {
    bool result = false;
    if (!languages_.empty()) {
        currentLanguageId_ = id;
        result = true;
    }
    const auto entry = languages_.find(currentLanguageId_);
    ReportSettings::instance().setPrinterLanguageName(entry == languages_.end() ? std::string()
                                                                                : entry->second);
    loadDefaultLanguage();
    return result;
}

const std::string& KLanguageManagerGeneric::getString(int number) const {
    if (number < 0 || number >= declaredCount_) return kEmptyString;
    const auto index = static_cast<std::size_t>(number);
    return index < strings_.size() ? strings_[index] : kEmptyString;
}

KLanguageManagerGeneric& printLanguage() {
    auto& manager = PrintLanguageSlot();
    if (!manager) {
        manager = std::make_unique<KLanguageManagerGeneric>();
        manager->initPrinterLanguage();
        manager->loadDefaultLanguage();
    }
    return *manager;
}

KLanguageManagerGeneric& programLanguage() {
    auto& manager = ProgramLanguageSlot();
    if (!manager) {
        manager = std::make_unique<KLanguageManagerGeneric>();
        manager->initProgramLanguage();
        manager->loadDefaultLanguage();
    }
    return *manager;
}

void SetPrintLanguage(std::unique_ptr<KLanguageManagerGeneric> manager) {
    PrintLanguageSlot() = std::move(manager);
}

void SetProgramLanguage(std::unique_ptr<KLanguageManagerGeneric> manager) {
    ProgramLanguageSlot() = std::move(manager);
}

void ReleaseLanguages() {
    PrintLanguageSlot().reset();
    ProgramLanguageSlot().reset();
}

} // namespace zentyra
