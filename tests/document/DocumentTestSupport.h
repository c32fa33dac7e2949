#pragma once
// Project files written into a scratch folder, and two small languages loaded as the print and
// program language, so titles can be checked in both.
#include "LanguageTestSupport.h"

#include "language/KLanguageManagerGeneric.h"
#include "pieces/PieceFactory.h"

#include <map>
#include <memory>
#include <string>

namespace zentyra::test {

// A project file whose AvailableElementsList holds `elements` (PrintElement markup).
inline std::string ProjectXml(const std::string& elements, const std::string& extra = {}) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Zentyra>" + extra +
           "<AvailableElementsList>" + elements + "</AvailableElementsList></Zentyra>\n";
}

inline std::string Element(const std::string& className, int id, const std::string& data = {}) {
    return "<PrintElement class=\"" + className + "\" id=\"" + std::to_string(id) +
           "\"><CustomClassData>" + data + "</CustomClassData></PrintElement>";
}

// A UTF-8 language file of `count` strings, with the given numbers filled in.
inline std::string LanguageFile(int count, const std::map<int, std::string>& strings) {
    std::string text = "\xEF\xBB\xBF" + std::to_string(count) + "\r\n";
    for (int n = 0; n < count; ++n) {
        const auto found = strings.find(n);
        text += (found != strings.end() ? found->second : std::string()) + "\r\n";
    }
    return text;
}

// Installs managers for `print` and `program` loaded from files in dir; restores nothing, as
// every test that needs titles installs its own.
inline void UseLanguages(const TempDir& dir, const std::map<int, std::string>& print,
                         const std::map<int, std::string>& program, int count = 9000) {
    dir.write("print.lng", LanguageFile(count, print));
    dir.write("program.lng", LanguageFile(count, program));
    auto printManager = std::make_unique<KLanguageManagerGeneric>(dir.path());
    printManager->loadLanguage("print.lng");
    auto programManager = std::make_unique<KLanguageManagerGeneric>(dir.path());
    programManager->loadLanguage("program.lng");
    SetPrintLanguage(std::move(printManager));
    SetProgramLanguage(std::move(programManager));
}

} // namespace zentyra::test
