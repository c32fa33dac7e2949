#pragma once
// A layout on fixed test metrics: a scratch suite with a print logo, a small print language, a
// project file written for the test, and a picture probe that knows the sizes the test gives.
#include "DocumentTestSupport.h"

#include "document/ProjectFile.h"
#include "pieces/PieceFactory.h"
#include "platform/SuiteLocation.h"
#include "render/FontMetrics.h"
#include "render/PageRecorder.h"
#include "render/ReportPainter.h"
#include "settings/AppConfig.h"
#include "settings/InstallConfig.h"
#include "settings/ReportSettings.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <variant>
#include <vector>

namespace zentyra::test {

class FakePictureProbe final : public PictureProbe {
public:
    std::optional<PixelSize> BitmapSize(const std::string& path) override {
        const auto found = bitmaps.find(path);
        if (found == bitmaps.end()) return std::nullopt;
        return found->second;
    }
    std::optional<PageRect> MetafileFrame(const std::string& path) override {
        const auto found = metafiles.find(path);
        if (found == metafiles.end()) return std::nullopt;
        return found->second;
    }
    std::map<std::string, PixelSize> bitmaps;
    std::map<std::string, PageRect> metafiles;
};

// The print-language strings the layout uses, short and recognisable.
inline std::map<int, std::string> LayoutStrings() {
    return {{5074, "Page %d"},     {4990, "Summary"},        {5054, "Views"},
            {5019, "Luminaires"},  {1340, "Results"},        {155, "Screenshots"},
            {1343, "Renderings"},  {1348, "Electric lines"}, {154, "Economic calculation"},
            {5055, "Plant view"},  {4943, "Lateral view"},   {4944, "Front view"},
            {6708, "Labels view"}, {8714, "Cover"},          {1344, "Index"},
            {927, "Notes"},        {928, "Client"},          {929, "Code"},
            {3490, "Date"},        {3392, "Remarks"},        {4986, "Designer"},
            {4987, "Company"},     {683, "Address"},         {4989, "Warnings"}};
}

class LayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        suite.write("INSTALL.INI", "[OrvantaInstallCfg]\ncfgDir=Cfg\\\nlanguageDir=Lng\\\n");
        suite.write("Cfg/ORV.INI", "[OrvCfg_Common]\n");
        logoPath = suite.write("Cfg/Zada_S.Msg", "BM");
        // Settings made before this suite was set up would name another configuration.
        ReportSettings::release();
        InstallConfig::release();
        SetSuiteOverride(suite.path());
        ReportSettings& settings = ReportSettings::instance();
        settings.logoAlignment = 1;
        settings.address = {"Left head", "Centre head", "Right head", "", "", ""};
        settings.footerLeftText = "Foot left";
        settings.footerCentreText = "Foot centre";
        UseLanguages(languages, LayoutStrings(), {});
        pictures.bitmaps[logoPath] = {1000, 100};
    }
    void TearDown() override {
        SetSuiteOverride("");
        ReportSettings::release();
        InstallConfig::release();
        ResetMissingConfigDirectoryNotice();
        appConfig() = AppConfig{};
        SetPrintLanguage(nullptr);
        SetProgramLanguage(nullptr);
    }

    // Loads the project and lays it out on an A4 page without unprintable edges.
    void LayOut(const std::string& elements, const PageMargins& margins = {}) {
        project.Load(projectDir.write("project.xml", ProjectXml(elements)));
        LayOutLoaded(margins);
    }
    void LayOutLoaded(const PageMargins& margins = {}) {
        recorder.Prepare(PageGeometry::ForPaper(210, 297, 600), margins);
        LayOutReport(recorder, project);
    }

    const RecordedPage& page(int number) const {
        return recorder.pages().at(static_cast<std::size_t>(number - 1));
    }
    template <class Op> std::vector<Op> ops(int number) const {
        std::vector<Op> found;
        for (const PageOp& op : page(number).ops)
            if (const Op* typed = std::get_if<Op>(&op)) found.push_back(*typed);
        return found;
    }
    // The first text op of the page that reads exactly `text`.
    std::optional<TextOp> text(int number, const std::string& text) const {
        for (const TextOp& op : ops<TextOp>(number))
            if (op.text == text) return op;
        return std::nullopt;
    }
    std::vector<std::string> texts(int number) const {
        std::vector<std::string> all;
        for (const TextOp& op : ops<TextOp>(number))
            all.push_back(op.text);
        return all;
    }

    TempDir suite;
    TempDir languages;
    TempDir projectDir;
    std::string logoPath;
    TestFontMetrics metrics;
    FakePictureProbe pictures;
    PageRecorder recorder{metrics, pictures};
    ProjectFile project{MakePiece};
};

} // namespace zentyra::test
