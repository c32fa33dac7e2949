#include "pieces/LuminairePieces.h"

#include "document/ProjectFile.h"
#include "pieces/LuminaireData.h"
#include "pieces/PicturePieces.h"
#include "platform/Path.h"
#include "productdb/ProductImageDatabase.h"
#include "render/ReportPainter.h"
#include "render/ReportTable.h"

#include <algorithm>
#include <cmath>

namespace zentyra {

namespace {

const std::string& Print(int number) {
    return LanguageString(true, number);
}

void MarkHeadingRows(ReportTable& table, int count) {
    for (int row = 1; row <= count; ++row)
        if (TableRow* heading = table.GetRow(row)) heading->kind = kRowHeading;
}

// The words of a language string down one heading column; the number of rows they take.
int FillHeadingWords(ReportTable& table, int column, int number) {
    return table.FillColumn(column, Print(number), " ");
}

// --- luminaire types ---------------------------------------------------------------------

constexpr int kTypeTableFlags = kTableWiden;
constexpr int kDimmingTableFlags = kTableShrink | kTableWiden;
constexpr int kListTableFlags = kTableWiden | kTableCloseBands;
constexpr int kBlockRows = 8; // an emitter block takes at least this many rows above its pictures

// The heading of a type table; returns the number of heading rows.
int FillTypeHeading(ReportTable& table) {
    table.SetCell(1, 1, Print(5443), kAlignCentre);
    table.SetCell(1, 2, "", kAlignCentre);
    table.SetCell(1, 3, "", kAlignCentre);
    table.SetCell(1, 4, Print(613), kAlignCentre);
    table.SetCell(2, 2, "", kAlignCentre);
    table.SetCell(2, 3, "", kAlignCentre);
    table.SetCell(2, 4, "RGB", kAlignCentre);
    const int words = FillHeadingWords(table, 5, 840);
    table.SetCell(1, 6, Print(5000), kAlignCentre);
    const int headingRows = std::max(words, 2);
    MarkHeadingRows(table, headingRows);
    return headingRows;
}

// The product picture first, then the type's own, each only when its file exists.
void AddPictures(ReportTable& table, int row, const LuminaireType& type,
                 const ProjectFile& project) {
    const std::string product = type.EmbeddedImageFilename.empty()
                                    ? FindProductImage(type.Code, type.ManufacturerShortName)
                                    : CompletePicturePath(project, type.EmbeddedImageFilename);
    if (!product.empty() && FileExists(product)) table.AddImageCell(row, product);
    const std::string own =
        JoinPath(project.folder, "LUM_" + ToSlashes(type.LightTypeStringID) + ".BMP");
    if (FileExists(own)) table.AddImageCell(row, ResolveCaseInsensitive(own));
}

// One emitter's block from row R; returns the row of its pictures.
int FillEmitterBlock(ReportTable& table, int r, const LuminaireType& type,
                     const EmitterInfo& emitter, int maxLampTypeId) {
    table.SetCell(r, 1, type.LightTypeStringID, kAlignLeft);
    table.SetCell(r, 2, Print(6484), kAlignLeft);
    table.SetCell(r, 3, type.ManufacturerName, kAlignLeft);
    table.SetCell(r, 4, emitter.Spectrum, kAlignLeft);
    table.SetCell(r, 5, type.Count, kAlignRight);
    table.SetCell(r + 1, 2, "", kAlignCentre);
    table.SetCell(r + 2, 2, Print(1223), kAlignLeft);
    table.SetCell(r + 2, 3, type.Name, kAlignLeft);
    table.SetCell(r + 3, 2, Print(597), kAlignLeft);
    table.SetCell(r + 3, 3, Parenthesised(emitter.RilName), kAlignLeft);
    table.SetCell(r + 4, 2, "", kAlignCentre);
    table.SetCell(r + 5, 2, Print(1224), kAlignLeft);
    table.SetCell(r + 5, 3, type.Code, kAlignLeft);
    table.SetCell(r + 6, 2, Print(3409), kAlignLeft);
    table.SetCell(r + 6, 3, Parenthesised(emitter.RilCode), kAlignLeft);
    int row = r;
    for (const LampSlot& lamp : emitter.lamps)
        table.SetCell(row++, 6, Print(4999) + LampTypeCode(lamp.LampTypeID, maxLampTypeId),
                      kAlignRight);
    return r + std::max(kBlockRows, static_cast<int>(emitter.lamps.size()));
}

void FillDimmingTable(ReportTable& table, const LuminaireType& type) {
    table.SetCell(1, 1, Print(6488), kAlignCentre);
    table.SetCell(1, 2, Print(874), kAlignCentre);
    table.SetCell(1, 3, Print(5897), kAlignCentre);
    table.SetCell(1, 4, Print(1238), kAlignCentre);
    table.SetCell(1, 5, Print(112), kAlignCentre);
    table.SetCell(2, 2, BracketedText(Print(36)), kAlignCentre);
    table.SetCell(2, 3, "[A]", kAlignCentre);
    table.SetCell(2, 4, "[W]", kAlignCentre);
    table.SetCell(2, 5, Print(1688), kAlignCentre);
    MarkHeadingRows(table, 2);
    int row = 3;
    for (const EmitterInfo& emitter : type.emitters) {
        for (const RegulationStep& step : emitter.regulations) {
            table.AddCell(row, DimmingText(step.Dimmer), kAlignLeft);
            table.AddCell(row, FixedText(step.Flux, 2), kAlignRight);
            table.AddCell(row, FixedText(step.Current, 4), kAlignRight);
            table.AddCell(row, FixedText(step.Power, 4), kAlignRight);
            table.AddCell(row, std::to_string(step.Count), kAlignRight);
            ++row;
        }
        ++row; // one empty row after every emitter's steps
    }
}

// --- lamp types --------------------------------------------------------------------------

} // namespace

ReportTable LuminaireTypeTable(const LuminaireType& type, int maxLampTypeId,
                               const ProjectFile& project) {
    ReportTable table;
    const int headingRows = FillTypeHeading(table);
    int row = headingRows + 1;
    for (const EmitterInfo& emitter : type.emitters) {
        const int r = row + 1;
        const int pictureRow = FillEmitterBlock(table, r, type, emitter, maxLampTypeId);
        AddPictures(table, pictureRow, type, project);
        row = emitter.lamps.empty() ? pictureRow + 2 : pictureRow + 1;
    }
    return table;
}

ReportTable DimmingTable(const LuminaireType& type) {
    ReportTable table;
    FillDimmingTable(table, type);
    return table;
}

ReportTable LampTable(const LampTypes& read, int projectMode) {
    ReportTable table;
    table.SetCell(1, 1, Print(5000), kAlignCentre);
    table.SetCell(1, 2, Print(6461), kAlignCentre);
    table.SetCell(1, 3, Print(892), kAlignCentre);
    table.SetCell(1, 4, Print(1238), kAlignCentre);
    table.SetCell(1, 5, Print(5897), kAlignCentre);
    table.SetCell(1, 6, Print(874), kAlignCentre);
    table.SetCell(1, 7, Print(613), kAlignCentre);
    table.SetCell(2, 4, BracketedText(Print(4954)), kAlignCentre);
    table.SetCell(2, 5, "[mA]", kAlignCentre);
    table.SetCell(2, 6, BracketedText(UnitText(6, projectMode)), kAlignCentre);
    table.SetCell(2, 7, BracketedText(Print(7510)), kAlignCentre);
    // A heading of three words or more keeps its rows as heading rows; the body follows.
    const int headingRows = std::max(FillHeadingWords(table, 8, 8164), 2);
    MarkHeadingRows(table, headingRows);
    int row = headingRows + 1;
    for (const LampType& lamp : read.lamps) {
        table.AddCell(row, Print(4999) + LampTypeCode(lamp.LampTypeID, read.maxLampTypeId),
                      kAlignLeft);
        table.AddCell(row, lamp.Name, kAlignLeft);
        table.AddCell(row, lamp.Code, kAlignLeft);
        table.AddCell(row, FixedText(lamp.Power, 2), kAlignRight);
        table.AddCell(row, FixedText(lamp.Current * 1000, 1), kAlignRight);
        table.AddCell(row, FixedText(lamp.Flux, 0), kAlignRight);
        table.AddCell(row, FixedText(lamp.Kelvin, 0), kAlignCentre);
        table.AddCell(row, lamp.Count, kAlignRight);
        ++row;
    }
    return table;
}

namespace {

// --- positions and aiming ----------------------------------------------------------------

std::string TripleText(const Triple& t, int decimals) {
    return FixedText(t.x, decimals) + " " + FixedText(t.y, decimals) + " " +
           FixedText(t.z, decimals);
}

// "X[m] Y[m] Z[m]" from three axis names and one unit.
std::string AxesHeading(int x, int y, int z, const std::string& unit) {
    return Print(x) + BracketedText(unit) + " " + Print(y) + BracketedText(unit) + " " + Print(z) +
           BracketedText(unit);
}

void FillListHeading(ReportTable& table, bool withAiming, int projectMode) {
    const std::string position = AxesHeading(25, 26, 27, LengthUnitText());
    const std::string rotation = AxesHeading(1307, 1308, 1309, Print(7495));
    struct Column {
        std::string first;
        std::string second;
    };
    std::vector<Column> columns;
    if (withAiming) columns.push_back({Print(5176), ""});
    const std::vector<Column> common = {
        {Print(5443), ""},
        {Print(8415), ""},
        {Print(5064), Print(5065)},
        {Print(6488), ""},
        {Print(874), BracketedText(UnitText(6, projectMode))},
        {Print(5897), "[A]"},
        {Print(1238), "[W]"},
        {Print(5041), position},
        {Print(5042), rotation},
    };
    columns.insert(columns.end(), common.begin(), common.end());
    if (withAiming) {
        columns.push_back({Print(5179), position});
        columns.push_back({Print(5180), BracketedText(Print(7495))});
    }
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int column = static_cast<int>(i) + 1;
        table.SetCell(1, column, columns[i].first, kAlignCentre);
        table.SetCell(2, column, columns[i].second, kAlignCentre);
    }
    MarkHeadingRows(table, 2);
}

void AddListRow(ReportTable& table, int row, const LuminaireInstance& light, bool withAiming) {
    if (withAiming) table.AddCell(row, light.LightParentStructName, kAlignLeft);
    table.AddCell(row, light.LightStringID, kAlignLeft);
    if (light.emitters.empty()) {
        // Nothing to take the electrical values from: those cells stay empty.
        for (const int align :
             {kAlignLeft, kAlignLeft, kAlignLeft, kAlignRight, kAlignRight, kAlignRight})
            table.AddCell(row, "", align);
    } else {
        const InstanceEmitter& first = light.emitters.front();
        const bool on = light.isOn && std::fabs(first.Dimmer) > 0.001;
        table.AddCell(row, Print(on ? 916 : 915), kAlignLeft);
        table.AddCell(row, FixedText(first.Manut, 2), kAlignLeft);
        table.AddCell(row, DimmingText(first.Dimmer), kAlignLeft);
        table.AddCell(row, FixedText(first.Flux, 2), kAlignRight);
        table.AddCell(row, FixedText(first.Current, 4), kAlignRight);
        table.AddCell(row, FixedText(first.Power, 4), kAlignRight);
    }
    table.AddCell(row, TripleText(light.Pos, 2), kAlignLeft);
    table.AddCell(row, TripleText(light.Rot, 1), kAlignLeft);
    if (withAiming) {
        table.AddCell(row, TripleText(light.Pnt, 2), kAlignLeft);
        table.AddCell(row, FixedText(light.PntRotZ, 1), kAlignLeft);
    }
}

} // namespace

ReportTable LuminaireListTable(const TiXmlElement* customData, bool withAiming, int projectMode) {
    ReportTable table;
    FillListHeading(table, withAiming, projectMode);
    // Row by row, so that a list of many luminaires holds only its table, never its records too.
    int row = 3;
    for (const TiXmlElement* light = FirstChildElement(customData, "Light"); light;
         light = NextSiblingElement(light, "Light")) {
        AddListRow(table, row++, ReadLuminaireInstance(light), withAiming);
    }
    return table;
}

int CPiece_LuminaireInfo::Draw(ReportPainter& painter) {
    const PrintElementEntry* entry = project->FindElement("class_luminaireInfo", elementId);
    if (!entry) return 0;
    painter.DrawPieceTitle(GetTitle(true));
    const LuminaireTypes read = ReadLuminaireTypes(entry->customData);
    for (const LuminaireType& type : read.types) {
        ReportTable types = LuminaireTypeTable(type, read.maxLampTypeId, *project);
        types.Draw(painter, kTypeTableFlags);
        ReportTable dimming = DimmingTable(type);
        dimming.leftInset = types.imageColumnX;
        dimming.Draw(painter, kDimmingTableFlags);
        painter.y += painter.lineHeight;
    }
    return 0;
}

int CPiece_LampInfo::Draw(ReportPainter& painter) {
    const PrintElementEntry* entry = project->FindElement("class_lampInfo", elementId);
    if (!entry) return 0;
    painter.DrawPieceTitle(GetTitle(true));
    ReportTable table = LampTable(ReadLampTypes(entry->customData), projectMode);
    table.Draw(painter, kListTableFlags);
    return 0;
}

int CLuminaireListPiece::Draw(ReportPainter& painter) {
    const PrintElementEntry* entry = project->FindElement("class_luminaireList", elementId);
    if (!entry) return 0;
    painter.DrawPieceTitle(GetTitle(true));
    ReportTable table = LuminaireListTable(entry->customData, WithAiming(), projectMode);
    table.Draw(painter, kListTableFlags);
    return 0;
}

} // namespace zentyra
