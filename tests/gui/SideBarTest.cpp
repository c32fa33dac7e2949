#include "GuiTestSupport.h"

#include "gui/CPictureBox.h"
#include "gui/SideBarTree.h"
#include "language/TextNumberTable.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

namespace zentyra::test {
namespace {

using SideBarTest = GuiTest;

// The widget item of the first entry whose item is of that type.
int EntryOfType(const SideBarTree& tree, int type) {
    for (std::size_t i = 0; i < tree.entries().size(); ++i)
        if (tree.entries()[i].item && tree.entries()[i].item->type == type)
            return static_cast<int>(i);
    return -1;
}

void SetTick(CSideBar& bar, int entry, bool ticked) {
    bar.itemOf(entry)->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
}

bool Ticked(CSideBar& bar, int entry) {
    return bar.itemOf(entry)->checkState(0) == Qt::Checked;
}

TEST_F(SideBarTest, PiecesSitBelowTheirChapterWithTheItemsTicks) {
    ASSERT_TRUE(Start({"-compact", demo.project("road")}));
    const SideBarTree& tree = sideBar().entries();
    for (std::size_t i = 0; i < tree.entries().size(); ++i) {
        const SideBarEntry& entry = tree.entries()[i];
        if (!entry.item) continue;
        EXPECT_EQ(Ticked(sideBar(), static_cast<int>(i)), entry.item->selected) << entry.text;
        if (entry.item->IsChapter()) {
            EXPECT_EQ(entry.parent, -1);
        }
    }
    const int plan = EntryOfType(tree, kPiecePlantView);
    ASSERT_GE(plan, 0);
    const int views = tree.entries()[static_cast<std::size_t>(plan)].parent;
    ASSERT_GE(views, 0);
    EXPECT_EQ(tree.entries()[static_cast<std::size_t>(views)].item->type, kChapterViews);
    EXPECT_TRUE(sideBar().itemOf(views)->isExpanded());
}

TEST_F(SideBarTest, TickingAPieceTicksItsChapterAndAChapterPassesItsStateDown) {
    ASSERT_TRUE(StartWith("road"));
    const SideBarTree& tree = sideBar().entries();
    const int plan = EntryOfType(tree, kPiecePlantView);
    const int views = tree.entries()[static_cast<std::size_t>(plan)].parent;
    const std::vector<int> pieces = tree.entries()[static_cast<std::size_t>(views)].children;
    ASSERT_GE(pieces.size(), 2u);

    SetTick(sideBar(), views, false);
    for (const int piece : pieces)
        EXPECT_FALSE(Ticked(sideBar(), piece));
    SetTick(sideBar(), plan, true);
    EXPECT_TRUE(Ticked(sideBar(), views));
    EXPECT_TRUE(Ticked(sideBar(), plan));
    // Ticking the chapter through its piece does not tick the chapter's other pieces.
    EXPECT_FALSE(Ticked(sideBar(), pieces[1]));
    // A chapter ticked anew passes the tick to all its pieces.
    SetTick(sideBar(), views, false);
    SetTick(sideBar(), views, true);
    for (const int piece : pieces)
        EXPECT_TRUE(Ticked(sideBar(), piece));
}

TEST_F(SideBarTest, ApplyWritesTextsTicksAndLanguageIntoTheProject) {
    ASSERT_TRUE(StartWith("road"));
    static_cast<QLineEdit*>(sideBar().control(1040))->setText("Tunnel B");
    static_cast<QLineEdit*>(sideBar().control(1041))->setText("Notes here");
    static_cast<QLineEdit*>(sideBar().control(1042))->setText("A client");
    static_cast<QLineEdit*>(sideBar().control(1044))->setText("C-1");
    static_cast<QLineEdit*>(sideBar().control(1045))->setText("01/01/2027");
    const SideBarTree& tree = sideBar().entries();
    const int plan = EntryOfType(tree, kPiecePlantView);
    const int views = tree.entries()[static_cast<std::size_t>(plan)].parent;
    // Unticking the chapter's box alone (its pieces' boxes stay ticked) still leaves out its
    // pieces.
    {
        const QSignalBlocker quiet(sideBar().tree());
        SetTick(sideBar(), views, false);
    }
    for (const int piece : tree.entries()[static_cast<std::size_t>(views)].children)
        ASSERT_TRUE(Ticked(sideBar(), piece));
    QComboBox& combo = sideBar().languageCombo();
    combo.setCurrentIndex(combo.findData(6));

    sideBar().Apply();
    EXPECT_EQ(project().ProjectName, "Tunnel B");
    EXPECT_EQ(project().ProjectNotes, "Notes here");
    EXPECT_EQ(project().ProjectClient, "A client");
    EXPECT_EQ(project().ProjectCode, "C-1");
    EXPECT_EQ(project().Date, "01/01/2027");
    EXPECT_EQ(project().coverImagePath, sideBar().pictureBox().path().toStdString());
    const CBasePiece* chapter = tree.entries()[static_cast<std::size_t>(views)].item;
    EXPECT_FALSE(chapter->selected);
    for (const int piece : tree.entries()[static_cast<std::size_t>(views)].children)
        EXPECT_FALSE(tree.entries()[static_cast<std::size_t>(piece)].item->selected);
    EXPECT_EQ(printLanguage().currentLanguageId(), 6);
    EXPECT_EQ(
        ReadProfileString(demo.orvIni(), ReportSettings::kPathSection, "printerLanguageName", "?"),
        "ita.lng");
}

TEST_F(SideBarTest, LanguageListShowsTheTwentyFiveNamesSorted) {
    ASSERT_TRUE(StartWith("road"));
    const QComboBox& combo = sideBar().languageCombo();
    ASSERT_EQ(combo.count(), 25);
    std::vector<std::string> names;
    std::vector<int> numbers;
    for (int i = 0; i < combo.count(); ++i) {
        names.push_back(combo.itemText(i).toStdString());
        numbers.push_back(combo.itemData(i).toInt());
    }
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    std::sort(numbers.begin(), numbers.end());
    const auto slice = TextNumberTable::LanguageChoiceSlice();
    EXPECT_EQ(numbers, std::vector<int>(slice.begin(), slice.end()));
    EXPECT_EQ(combo.currentText(), QStringLiteral("English"));
}

TEST_F(SideBarTest, MakeDefaultRemembersTicksOnlyInTheLastConfigurationMode) {
    struct Case {
        const char* mode;
        bool remembers;
    };
    for (const Case& c : {Case{"-full", false}, Case{"-compact", false}, Case{"-lastCfg", true}}) {
        ReleaseSettings();
        appConfig() = AppConfig{};
        ASSERT_TRUE(Start({c.mode, demo.project("road")})) << c.mode;
        const SideBarTree& tree = sideBar().entries();
        const int plan = EntryOfType(tree, kPiecePlantView);
        const bool ticked = !Ticked(sideBar(), plan);
        SetTick(sideBar(), plan, ticked);
        QComboBox& combo = sideBar().languageCombo();
        combo.setCurrentIndex(combo.findData(6));
        const AppConfig before = appConfig();
        sideBar().MakeDefault();
        EXPECT_EQ(tree.entries()[static_cast<std::size_t>(plan)].item->selected, ticked) << c.mode;
        EXPECT_EQ(appConfig().savedSelection != before.savedSelection, c.remembers) << c.mode;
        // The language choice is stored in every mode.
        EXPECT_EQ(ReadProfileString(demo.orvIni(), ReportSettings::kPathSection,
                                    "printerLanguageName", "?"),
                  "ita.lng")
            << c.mode;
        WriteProfileString(demo.orvIni(), ReportSettings::kPathSection, "printerLanguageName",
                           "Ing.Lng");
        app.reset();
    }
}

TEST_F(SideBarTest, WithoutAProjectOnlyTheLanguageIsApplied) {
    ASSERT_TRUE(StartWith("road"));
    sideBar().Fill(nullptr);
    EXPECT_EQ(sideBar().tree().topLevelItemCount(), 0);
    QComboBox& combo = sideBar().languageCombo();
    combo.setCurrentIndex(combo.findData(6));
    sideBar().Apply();
    EXPECT_EQ(printLanguage().currentLanguageId(), 6);
    sideBar().MakeDefault(); // nothing to do, nothing fails
}

TEST_F(SideBarTest, ClickingThePictureLoadsTheChosenFileAndRemoveEmptiesIt) {
    ASSERT_TRUE(StartWith("road"));
    const std::string picture = demo.dir.file("projects/road/Rendering.png");
    QString startedIn;
    sideBar().setFileChooser([&](QWidget*, const QString& start) {
        startedIn = start;
        return QString::fromStdString(picture);
    });
    sideBar().ChooseCoverPicture();
    EXPECT_EQ(startedIn.toStdString(), InstallConfig::instance().prjImpExpDir());
    EXPECT_EQ(sideBar().pictureBox().path().toStdString(), picture);
    sideBar().Apply();
    EXPECT_EQ(project().coverImagePath, picture);
    sideBar().RemovePicture();
    EXPECT_TRUE(sideBar().pictureBox().path().isEmpty());
    sideBar().Apply();
    EXPECT_EQ(project().coverImagePath, "");
}

TEST_F(SideBarTest, ResizingKeepsTheTreeCornerAndTheButtonsAtTheBottom) {
    ASSERT_TRUE(StartWith("road"));
    CSideBar& bar = sideBar();
    bar.resize(1000, 600);
    const QRect tree = bar.tree().geometry();
    EXPECT_EQ(tree.right() + 1, 1000 - 10);
    EXPECT_EQ(tree.bottom() + 1, 600 - 60);
    for (QPushButton* button : bar.findChildren<QPushButton*>()) {
        if (button->property("controlId").toInt() < 32000) continue;
        EXPECT_EQ(button->geometry().bottom() + 1, 600 - 16) << button->objectName().toStdString();
    }
}

} // namespace
} // namespace zentyra::test
