#include "DocumentTestSupport.h"

#include "document/ProjectFile.h"
#include "settings/AppConfig.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace zentyra {
namespace {

using test::Element;
using test::ProjectXml;
using test::TempDir;

// (type, elementId) of every item, in tree order; chapters and pieces share the number space.
std::vector<std::pair<int, int>> Items(const ProjectFile& project) {
    std::vector<std::pair<int, int>> items;
    for (const auto& item : project.tree.items())
        items.emplace_back(item->type, item->elementId);
    return items;
}

std::vector<int> Ticked(const ProjectFile& project) {
    std::vector<int> ticked;
    for (const auto& item : project.tree.items())
        if (item->selected) ticked.push_back(item->type);
    return ticked;
}

class ReportTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        selectionMode() = 0;
        appConfig() = AppConfig{};
    }
    void TearDown() override { SetUp(); }

    ProjectFile& load(const std::string& elements) {
        project_ = std::make_unique<ProjectFile>(MakePiece);
        project_->Load(dir_.write("p.xml", ProjectXml(elements)));
        return *project_;
    }

    TempDir dir_;
    std::unique_ptr<ProjectFile> project_;
};

using Tree = std::vector<std::pair<int, int>>;
const Tree kCoverAndIndex = {{0, 0}, {10, 0}, {0, 0}, {25, 0}};

Tree WithCoverAndIndex(Tree tree) {
    tree.insert(tree.end(), kCoverAndIndex.begin(), kCoverAndIndex.end());
    return tree;
}

TEST_F(ReportTreeTest, BuildsChaptersOnlyAroundThePiecesTheElementsCall) {
    struct Case {
        std::string elements;
        Tree expected;
    } cases[] = {
        {"", kCoverAndIndex},
        {Element("class_roadInfo", 0), WithCoverAndIndex({{1, 0}, {11, 0}, {12, 0}})},
        {Element("class_placeEnergetic", 0), WithCoverAndIndex({{1, 0}, {13, 0}})},
        {Element("class_result", 4) + Element("class_placeInfo", 0) + Element("class_result", 1) +
             Element("class_result", 7),
         WithCoverAndIndex({{1, 0}, {11, 0}, {4, 0}, {28, 4}, {28, 1}, {28, 7}})},
        {Element("class_luminaireList", 0) + Element("class_frontView", 0),
         WithCoverAndIndex({{2, 0}, {17, 0}, {3, 0}, {21, 0}, {22, 0}})},
        {Element("class_economicCalc", 0) + Element("class_electricLines", 0) +
             Element("class_rendering", 2) + Element("class_screenShot", 5) +
             Element("class_screenShot", 3),
         WithCoverAndIndex(
             {{5, 0}, {26, 5}, {26, 3}, {6, 0}, {27, 2}, {7, 0}, {23, 0}, {8, 0}, {24, 0}})},
        // Every summary piece, in its fixed order whatever the file order.
        {Element("class_EPI", 0) + Element("class_inqLum", 0) + Element("class_roadInfo", 0) +
             Element("class_lampInfo", 0) + Element("class_luminaireInfo", 0) +
             Element("class_placeInfo", 0) + Element("class_unknown", 0),
         WithCoverAndIndex({{1, 0}, {11, 0}, {19, 0}, {20, 0}, {12, 0}, {14, 0}, {13, 0}})},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Items(load(c.elements)), c.expected) << c.elements;
}

TEST_F(ReportTreeTest, SelectionModesTickTheirItems) {
    const std::string all = Element("class_placeInfo", 0) + Element("class_luminaireInfo", 0) +
                            Element("class_plantView", 0) + Element("class_labelsView", 0) +
                            Element("class_luminaireList", 0) + Element("class_result", 2) +
                            Element("class_economicCalc", 0);
    selectionMode() = 1;
    EXPECT_EQ(Ticked(load(all)), (std::vector<int>{1, 11, 19, 3, 21, 0, 10, 0, 25}));

    selectionMode() = 0;
    EXPECT_EQ(Ticked(load(all)).size(), load(all).tree.items().size());

    // Mode 2: the remembered ticks; chapter 0 always; unknown mode values leave the ticks.
    selectionMode() = 2;
    auto& saved = appConfig().savedSelection;
    saved[12] = 1;     // chapter 3
    saved[14] = 1;     // positions list
    saved[17 + 2] = 1; // result 2
    saved[119] = 1;    // index
    EXPECT_EQ(Ticked(load(all)), (std::vector<int>{3, 21, 28, 0, 0, 25}));

    selectionMode() = 7;
    EXPECT_EQ(Ticked(load(all)).size(), load(all).tree.items().size());
}

TEST_F(ReportTreeTest, PerElementTicksShareTheLastEntryAndNegativeIdsUseTheFirst) {
    selectionMode() = 2;
    auto& saved = appConfig().savedSelection;
    saved[48] = 1; // type 28, elementId 31 and above
    saved[17] = 1; // type 28, elementId 0
    ProjectFile& project = load(Element("class_result", 40) + Element("class_result", 30) +
                                Element("class_result", -3));
    std::vector<std::pair<int, bool>> results;
    for (const auto& item : project.tree.items())
        if (item->type == 28) results.emplace_back(item->elementId, item->selected);
    EXPECT_EQ(results, (std::vector<std::pair<int, bool>>{{40, true}, {30, false}, {-3, true}}));
}

TEST_F(ReportTreeTest, SaveSelectionWritesTicksOnlyInModeTwo) {
    const std::string elements = Element("class_screenShot", 3) + Element("class_roadInfo", 0);
    for (const int mode : {0, 1}) {
        selectionMode() = mode;
        ProjectFile& project = load(elements);
        for (const auto& item : project.tree.items())
            item->selected = true;
        project.tree.SaveSelection();
        EXPECT_EQ(appConfig().savedSelection, AppConfig{}.savedSelection) << mode;
    }
    selectionMode() = 2;
    ProjectFile& project = load(elements);
    for (const auto& item : project.tree.items())
        item->selected = item->type != 12;
    project.tree.SaveSelection();
    const auto& saved = appConfig().savedSelection;
    EXPECT_EQ(saved[1], 1);      // chapter 1
    EXPECT_EQ(saved[2], 1);      // place information
    EXPECT_EQ(saved[5], 0);      // road luminaires, unticked
    EXPECT_EQ(saved[49], 1);     // chapter 5
    EXPECT_EQ(saved[50 + 3], 1); // screenshot 3
    EXPECT_EQ(saved[50], 0);
    EXPECT_EQ(saved[0], 1);
    EXPECT_EQ(saved[119], 1);
}

TEST_F(ReportTreeTest, TitlesFollowTheChosenLanguage) {
    test::UseLanguages(dir_, {{4990, "Project summary"}, {5091, "Place"}, {1344, "Index"}},
                       {{4990, "Riepilogo progetto"}, {5091, "Luogo"}, {1344, "Indice"}});
    ProjectFile& project = load(Element("class_placeInfo", 0));
    const auto& items = project.tree.items();
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(items[0]->GetTitle(true), "Project summary");
    EXPECT_EQ(items[0]->GetTitle(false), "Riepilogo progetto");
    EXPECT_EQ(items[0]->GetClassName(), "ID_CHAP_RIEPILOGO_PROGETTO");
    EXPECT_EQ(items[1]->GetTitle(true), "Place");
    EXPECT_EQ(items[1]->GetClassName(), "CPiece_PlaceInfo");
    EXPECT_EQ(items[2]->GetTitle(true), "");
    EXPECT_EQ(items[5]->GetTitle(false), "Indice");
    SetPrintLanguage(nullptr);
    SetProgramLanguage(nullptr);
}

TEST_F(ReportTreeTest, TreeOperations) {
    ProjectFile& project = load("");
    ReportTree& tree = project.tree;
    EXPECT_EQ(tree.AddPiece(99, 0), nullptr);
    EXPECT_EQ(tree.AddPiece(9, 0), nullptr);
    CChapter* beyond = tree.AddChapter(9);
    EXPECT_EQ(beyond->GetClassName(), "Errore Capitolo >= ID_CHAP_LAST )");
    EXPECT_EQ(beyond->GetTitleText(true), "Errore: Capitolo indefinito");
    CChapter* negative = tree.AddChapter(-1);
    EXPECT_EQ(negative->GetClassName(), "");
    EXPECT_EQ(negative->GetTitleText(true), "");
    EXPECT_EQ(tree.items().size(), 6u);
    const CChapter foreign(&project, 1);
    tree.RemoveItem(&foreign);
    EXPECT_EQ(tree.items().size(), 6u);
    tree.RemoveItem(beyond);
    EXPECT_EQ(tree.items().size(), 5u);
    tree.Clear();
    EXPECT_TRUE(tree.items().empty());
}

} // namespace
} // namespace zentyra
