#include "GuiTestSupport.h"

#include "gui/CPictureBox.h"
#include "gui/CZentyraView.h"
#include "platform/SingleInstance.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QTreeWidget>

namespace zentyra::test {
namespace {

using StartupTest = GuiTest;

std::vector<std::string> RootTexts(const QTreeWidget& tree) {
    std::vector<std::string> texts;
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        texts.push_back(tree.topLevelItem(i)->text(0).toStdString());
    return texts;
}

TEST_F(StartupTest, OpensTheProjectInTheWindowPlacedAndNamed) {
    ASSERT_TRUE(StartWith("road"));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(frame().pos(), QPoint(120, 50));
    EXPECT_EQ(frame().size(), QSize(1200, 820));
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("road.xml - Zentyra"));
    EXPECT_TRUE(frame().isVisible());
    // The side bar fills the client area.
    EXPECT_EQ(frame().centralWidget(), &sideBar());
    EXPECT_EQ(sideBar().project(), &project());
    // The cover picture the project names beside itself is shown, and Apply keeps it.
    EXPECT_TRUE(sideBar().pictureBox().hasPicture());
    EXPECT_EQ(sideBar().pictureBox().path().toStdString(),
              demo.dir.file("projects/road/Rendering.png"));
    sideBar().Apply();
    EXPECT_EQ(project().coverImagePath, demo.dir.file("projects/road/Rendering.png"));
    const auto roots = RootTexts(sideBar().tree());
    ASSERT_GE(roots.size(), 4u);
    EXPECT_EQ(roots[0], "Cover page");
    EXPECT_EQ(roots[1], "Contents");
    EXPECT_EQ(roots[2], ""); // the separator, without a box
    EXPECT_FALSE(sideBar().tree().topLevelItem(2)->flags() & Qt::ItemIsUserCheckable);
    EXPECT_EQ(roots[3], "Project summary");
}

TEST_F(StartupTest, WithoutAProjectShowsTheDebugMessageAndOnlyCoverAndIndex) {
    ASSERT_TRUE(Start({}));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].kind, MessageKind::Debug);
    EXPECT_EQ(messages.messages[0].title, "Debug Msg");
    EXPECT_NE(messages.messages[0].text.find("not loaded ok"), std::string::npos);
    EXPECT_EQ(RootTexts(sideBar().tree()),
              (std::vector<std::string>{"Cover page", "Contents", ""}));
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("Untitled - Zentyra"));
}

TEST_F(StartupTest, TheSelectionSwitchCountsOnlyAsFirstArgument) {
    ASSERT_TRUE(Start({"-compact", demo.project("road")}));
    EXPECT_EQ(selectionMode(), 1);
    app.reset();
    ReleaseSettings();
    ASSERT_TRUE(Start({demo.project("road"), "-compact"}));
    EXPECT_EQ(selectionMode(), 0);
}

TEST_F(StartupTest, ASecondInstanceIsRefusedAndTheFirstKeepsItsLock) {
    SingleInstanceLock first(kSingleInstanceName, lockDir.path());
    ASSERT_TRUE(first.acquired());
    EXPECT_FALSE(StartWith("road"));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(messages.messages[0].title, "Warning");
    EXPECT_EQ(messages.messages[0].text, "Another instance is already running.");
    EXPECT_EQ(app->mainFrame(), nullptr);
    EXPECT_FALSE(SingleInstanceLock(kSingleInstanceName, lockDir.path()).acquired());
}

TEST_F(StartupTest, TheRunningInstanceHoldsTheLockUntilExit) {
    ASSERT_TRUE(StartWith("road"));
    EXPECT_FALSE(SingleInstanceLock(kSingleInstanceName, lockDir.path()).acquired());
    app->ExitInstance();
    EXPECT_TRUE(SingleInstanceLock(kSingleInstanceName, lockDir.path()).acquired());
}

TEST_F(StartupTest, ExitWritesTheConfigurationRecord) {
    ASSERT_TRUE(StartWith("road"));
    appConfig().notesText = "Remember the tunnel lights";
    app->ExitInstance();
    AppConfig read;
    ASSERT_TRUE(read.read(demo.orvIni()));
    EXPECT_EQ(read.notesText, "Remember the tunnel lights");
}

TEST_F(StartupTest, MenuLosesItsFileAndStatusItemsAndIsTranslated) {
    ASSERT_TRUE(StartWith("road"));
    for (const int removed : {CMainFrame::kNew, CMainFrame::kOpen, CMainFrame::kSave,
                              CMainFrame::kSaveAs, CMainFrame::kStatusBar})
        EXPECT_EQ(frame().action(removed), nullptr) << removed;
    const QList<QAction*> menus = frame().menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("&File"));
    EXPECT_EQ(menus[1]->text(), QStringLiteral("&View"));
    EXPECT_EQ(menus[2]->text(), QStringLiteral("&Help"));
    QAction* print = frame().action(CMainFrame::kPrint);
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->text(), QStringLiteral("&Print...\tCtrl+P"));
    EXPECT_EQ(print->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    std::vector<int> fileCommands;
    for (QAction* item : menus[0]->menu()->actions())
        fileCommands.push_back(item->isSeparator() ? 0 : item->property("commandId").toInt());
    EXPECT_EQ(fileCommands, (std::vector<int>{32778, 0, 57607, 57609, 57606, 0, 57665}));
    EXPECT_EQ(frame().action(CMainFrame::kAbout)->text(), QStringLiteral("&About Zentyra..."));
}

TEST_F(StartupTest, ToolbarHoldsTheCommandsInOrder) {
    ASSERT_TRUE(StartWith("road"));
    std::vector<int> commands;
    for (QAction* item : frame().toolBar().actions()) {
        commands.push_back(item->isSeparator() ? 0 : item->property("commandId").toInt());
        if (!item->isSeparator()) {
            EXPECT_FALSE(item->icon().isNull());
        }
    }
    EXPECT_EQ(commands, (std::vector<int>{32778, 57606, 57609, 0, 57607, 57664}));
}

TEST_F(StartupTest, ItalianProgramLanguageTranslatesMenuAndSideBar) {
    UseItalianProgram();
    ASSERT_TRUE(StartWith("road"));
    EXPECT_EQ(frame().action(CMainFrame::kPrint)->text(), QStringLiteral("S&tampa...\tCtrl+P"));
    EXPECT_EQ(frame().menuBar()->actions()[2]->text(), QStringLiteral("&Guida"));
    EXPECT_EQ(RootTexts(sideBar().tree())[3], "Riepilogo progetto");
}

TEST_F(StartupTest, PreviewHidesTheSideBarUntilItEnds) {
    ASSERT_TRUE(StartWith("road"));
    emit frame().view().previewStarted();
    EXPECT_TRUE(sideBar().isHidden());
    emit frame().view().previewEnded();
    EXPECT_FALSE(sideBar().isHidden());
}

} // namespace
} // namespace zentyra::test
