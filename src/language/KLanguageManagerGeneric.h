#pragma once
// One loaded language of the suite: the list of installed languages ("files.inf" in the
// language directory) and the numbered strings of one language file. Two process-wide
// instances exist: printLanguage() for everything rendered into report pages and
// programLanguage() for the program's own captions.
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace zentyra {

class KLanguageManagerGeneric {
public:
    // languageDirectory: where files.inf and the language files are; empty means the
    // process-wide PathRegistry's language directory, looked up when needed.
    explicit KLanguageManagerGeneric(std::string languageDirectory = {});

    bool init(std::string_view wantedName);
    bool initProgramLanguage(); // init with ReportSettings' programLanguageName
    bool initPrinterLanguage(); // init with ReportSettings' printerLanguageName
    bool loadDefaultLanguage();
    bool loadLanguage(std::string_view fileName);
    // Switches to a language of the list and stores its name as printerLanguageName.
    bool loadLanguage(int id);

    // String `number` of the loaded language (UTF-8); one shared empty string for a number
    // outside the loaded strings or when nothing is loaded.
    const std::string& getString(int number) const;
    int currentLanguageId() const { return currentLanguageId_; }
    const std::map<int, std::string>& languages() const { return languages_; }
    std::size_t stringCount() const { return strings_.size(); }

private:
    std::string languageDirectory() const;

    std::string languageDirectory_;
    int currentLanguageId_ = -1; // no language chosen: loads nothing
    std::vector<std::string> strings_;
    std::map<int, std::string> languages_;
};

// Created on first use (init from the suite INI names, then loadDefaultLanguage).
KLanguageManagerGeneric& printLanguage();
KLanguageManagerGeneric& programLanguage();
// Deletes both (application exit, or a test that switches suites).
void ReleaseLanguages();

} // namespace zentyra
