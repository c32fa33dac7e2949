#include "pieces/PieceFactory.h"

#include "pieces/AppendixPieces.h"
#include "pieces/EnergyPiece.h"
#include "pieces/LuminairePieces.h"
#include "pieces/PicturePieces.h"
#include "pieces/PlacePiece.h"
#include "pieces/ProjectPieces.h"
#include "pieces/QualityPiece.h"
#include "pieces/ResultPiece.h"
#include "pieces/RoadPieces.h"

namespace zentyra {

namespace {

template <class Piece>
std::unique_ptr<CPiece> Make(ProjectFile* project, int type, int elementId, int projectMode) {
    return std::make_unique<Piece>(project, type, elementId, projectMode);
}

} // namespace

std::unique_ptr<CPiece> MakePiece(ProjectFile* project, int type, int elementId, int mode) {
    switch (type) {
    case kPieceGeneralInfo:
        return Make<CPiece_GeneralInfo>(project, type, elementId, mode);
    case kPiecePlaceInfo:
        return Make<CPiece_PlaceInfo>(project, type, elementId, mode);
    case kPieceRoadAppa:
        return Make<CPiece_RoadAppa>(project, type, elementId, mode);
    case kPieceEnergeticCalc:
        return Make<CPiece_EnergeticCalc>(project, type, elementId, mode);
    case kPieceQualitaImpianto:
        return Make<CPiece_QualitaImpianto>(project, type, elementId, mode);
    case kPiecePlantView:
        return Make<CPiece_PlantView>(project, type, elementId, mode);
    case kPieceLatView:
        return Make<CPiece_LatView>(project, type, elementId, mode);
    case kPieceFrontView:
        return Make<CPiece_FrontView>(project, type, elementId, mode);
    case kPieceLabelView:
        return Make<CPiece_LabelView>(project, type, elementId, mode);
    case kPieceLuminaireInfo:
        return Make<CPiece_LuminaireInfo>(project, type, elementId, mode);
    case kPieceLampInfo:
        return Make<CPiece_LampInfo>(project, type, elementId, mode);
    case kPieceLuminairePos:
        return Make<CPiece_LuminairePos>(project, type, elementId, mode);
    case kPieceLuminaireAim:
        return Make<CPiece_LuminaireAim>(project, type, elementId, mode);
    case kPieceElectricLines:
        return Make<CPiece_ElectricLines>(project, type, elementId, mode);
    case kPieceEconomicCalc:
        return Make<CPiece_EconomicCalc>(project, type, elementId, mode);
    case kPieceIndex:
        return Make<CPiece_Index>(project, type, elementId, mode);
    case kPieceScreenShot:
        return Make<CPiece_ScreenShot>(project, type, elementId, mode);
    case kPieceRendering:
        return Make<CPiece_Rendering>(project, type, elementId, mode);
    case kPieceResult:
        return Make<CPiece_Result>(project, type, elementId, mode);
    default:
        return nullptr;
    }
}

} // namespace zentyra
