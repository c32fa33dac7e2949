#include "document/ReportItems.h"

#include "document/SharedTexts.h"

#include <array>

namespace zentyra {

namespace {

struct ChapterInfo {
    const char* name;
    int titleString; // 0: no title
};

constexpr std::array<ChapterInfo, 9> kChapters = {{
    {"ID_CHAP_NONE", 0},
    {"ID_CHAP_RIEPILOGO_PROGETTO", 4990},
    {"ID_CHAP_VISTE", 5054},
    {"ID_CHAP_RIEPILOGO_APPARECCHI", 5019},
    {"ID_CHAP_RISULTATI", 1340},
    {"ID_CHAP_SCREENSHOOTS", 155},
    {"ID_CHAP_RENDERING", 1343},
    {"ID_CHAP_LINEE_ELETTRICHE", 1348},
    {"ID_CHAP_CALCOLO_ECONOMICO", 154},
}};

} // namespace

CPiece* CBasePiece::AsPiece() {
    return IsPiece() ? static_cast<CPiece*>(this) : nullptr;
}

const CPiece* CBasePiece::AsPiece() const {
    return IsPiece() ? static_cast<const CPiece*>(this) : nullptr;
}

std::string CChapter::GetClassName() const {
    if (type < 0) return {};
    if (type >= static_cast<int>(kChapters.size())) return "Errore Capitolo >= ID_CHAP_LAST )";
    return kChapters[static_cast<std::size_t>(type)].name;
}

std::string CChapter::GetTitleText(bool usePrintLanguage) const {
    if (type < 0) return {};
    if (type >= static_cast<int>(kChapters.size())) return "Errore: Capitolo indefinito";
    const int number = kChapters[static_cast<std::size_t>(type)].titleString;
    return number == 0 ? std::string() : LanguageString(usePrintLanguage, number);
}

int CPiece::Draw(ReportPainter& /*painter*/) {
    return 0;
}

bool CPiece::StartsNewPage(ReportPainter& /*painter*/) {
    return true;
}

} // namespace zentyra
