#pragma once
// One loaded language of the suite: the list of installed languages ("files.inf" in the
// language directory) and the numbered strings of one language file. Two process-wide
// instances exist: printLanguage() for everything rendered into report pages and
// programLanguage() for the program's own captions.
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zentyra {

class KLanguageManagerGeneric {
public:
    static constexpr const char* kListFileName = "files.inf";
    // Characters of a list line taken after the id and its two separators.
    static constexpr std::size_t kMaxListNameLength = 511;

    // languageDirectory: where files.inf and the language files are; empty means the
    // process-wide PathRegistry's language directory, looked up when needed.
    explicit KLanguageManagerGeneric(std::string languageDirectory = {});

    // Reads the language list; the current id becomes that of the last entry named
    // wantedName (compared in lower case). False, and the list unchanged, without a list file.
    bool init(std::string_view wantedName);
    bool initProgramLanguage(); // init with ReportSettings' programLanguageName
    bool initPrinterLanguage(); // init with ReportSettings' printerLanguageName
    // Loads the file of the current id; false when the list is empty or that fails.
    bool loadDefaultLanguage();
    // False, and the strings loaded before kept, when the file cannot be opened.
    bool loadLanguage(std::string_view fileName);
    // Switches to a language of the list and stores its name as printerLanguageName.
    bool loadLanguage(int id);

    // String `number` of the loaded language (UTF-8); one shared empty string for a number
    // outside the loaded strings or when nothing is loaded.
    const std::string& getString(int number) const;
    int currentLanguageId() const { return currentLanguageId_; }
    const std::map<int, std::string>& languages() const { return languages_; }
    // The number of strings the loaded language declares (its first line); the strings
    // beyond the lines the file holds are empty.
    std::size_t stringCount() const { return static_cast<std::size_t>(declaredCount_); }

private:
    std::string languageDirectory() const;

    std::string languageDirectory_;
    int currentLanguageId_ = -1; // no language chosen: loads nothing
    // Only the strings the file actually holds; a count line cannot make us allocate.
    std::vector<std::string> strings_;
    int declaredCount_ = 0;
    std::map<int, std::string> languages_;
};

// Created on first use (init from the suite INI names, then loadDefaultLanguage).
KLanguageManagerGeneric& printLanguage();
KLanguageManagerGeneric& programLanguage();
// Puts a manager in place of the process-wide one (tests, tools that load languages from
// elsewhere); null removes it, so the next use creates it again.
void SetPrintLanguage(std::unique_ptr<KLanguageManagerGeneric> manager);
void SetProgramLanguage(std::unique_ptr<KLanguageManagerGeneric> manager);
// Deletes both (application exit, or a test that switches suites).
void ReleaseLanguages();

} // namespace zentyra
