#pragma once
// The luminaire pieces: luminaire and lamp types, positions and aiming. Each reads its element
// afresh at every drawing and draws nothing when the project has no such element.
#include "document/ReportItems.h"
#include "document/SharedTexts.h"
#include "render/ReportTable.h"

class TiXmlElement;

namespace zentyra {

struct LuminaireType;
struct LampTypes;

// The tables the pieces draw, built apart from the drawing so that their rows can be checked.
// A luminaire type's card: heading, one block per emitter with its lamps and pictures.
ReportTable LuminaireTypeTable(const LuminaireType& type, int maxLampTypeId,
                               const ProjectFile& project);
// The dimming steps of a luminaire type's emitters; the caller sets its inset.
ReportTable DimmingTable(const LuminaireType& type);
ReportTable LampTable(const LampTypes& lamps, int projectMode);
// One row per Light of a class_luminaireList element's CustomClassData.
ReportTable LuminaireListTable(const TiXmlElement* customData, bool withAiming, int projectMode);

class CPiece_LuminaireInfo : public CPiece {
public:
    using CPiece::CPiece;
    std::string GetClassName() const override { return "CPiece_LuminaireInfo"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 1335);
    }
    bool StartsNewPage(ReportPainter& /*painter*/) override { return false; }
    int Draw(ReportPainter& painter) override;
};

class CPiece_LampInfo : public CPiece {
public:
    using CPiece::CPiece;
    std::string GetClassName() const override { return "CPiece_LampInfo"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 1336);
    }
    bool StartsNewPage(ReportPainter& /*painter*/) override { return false; }
    int Draw(ReportPainter& painter) override;
};

// The positions and the aiming list print the same rows of the luminaires placed in the
// project; the aiming list adds the parent structure in front and the aiming point behind.
class CLuminaireListPiece : public CPiece {
public:
    using CPiece::CPiece;
    bool StartsNewPage(ReportPainter& /*painter*/) override { return false; }
    int Draw(ReportPainter& painter) override;

protected:
    virtual bool WithAiming() const = 0;
};

class CPiece_LuminairePos : public CLuminaireListPiece {
public:
    using CLuminaireListPiece::CLuminaireListPiece;
    std::string GetClassName() const override { return "CPiece_LuminairePos"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 5038);
    }

protected:
    bool WithAiming() const override { return false; }
};

class CPiece_LuminaireAim : public CLuminaireListPiece {
public:
    using CLuminaireListPiece::CLuminaireListPiece;
    std::string GetClassName() const override { return "CPiece_LuminaireAim"; }
    std::string GetTitleText(bool usePrintLanguage) const override {
        return LanguageString(usePrintLanguage, 1338);
    }

protected:
    bool WithAiming() const override { return true; }
};

} // namespace zentyra
