#include "language/TextList.h"

#include "language/KLanguageManagerGeneric.h"
#include "language/TextNumberTable.h"

namespace zentyra {

std::string TextList::text(int k) const {
    if (k < 0 || k >= count_) return {};
    const KLanguageManagerGeneric& manager =
        language_ == TextLanguage::Print ? printLanguage() : programLanguage();
    return manager.getString(numbers_[k]);
}

const TextList& printTexts() {
    static const TextList list(TextNumberTable::GeneralSlice(), TextLanguage::Print);
    return list;
}

const TextList& programTexts() {
    static const TextList list(TextNumberTable::GeneralSlice(), TextLanguage::Program);
    return list;
}

} // namespace zentyra
