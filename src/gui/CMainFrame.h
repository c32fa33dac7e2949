#pragma once
// The main window: menu, toolbar and the side bar filling the client area. The menu and the
// toolbar send their commands to the view (print, preview, printer setup) and to the frame
// (customize, about, exit).
#include <QMainWindow>

#include <memory>

class CSideBar;
class CZentyraDoc;
class CZentyraView;
class QAction;
class QToolBar;

namespace Ui {
class MainFrame;
}

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    enum Command {
        kCustomize = 32778,
        kNew = 57600,
        kOpen = 57601,
        kSave = 57603,
        kSaveAs = 57604,
        kPrintSetup = 57606,
        kPrint = 57607,
        kPrintDirect = 57608,
        kPrintPreview = 57609,
        kAbout = 57664,
        kExit = 57665,
        kToolbar = 59392,
        kStatusBar = 59393,
    };
    static constexpr const char* kCommandProperty = "commandId";

    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Shows the document's project in the side bar and names it in the title.
    void SetDocument(CZentyraDoc* document);

    // The menu item of a command; null when the item is not in the menu.
    QAction* action(int command) const;
    CSideBar& sideBar() const { return *sideBar_; }
    CZentyraView& view() const { return *view_; }
    QToolBar& toolBar() const { return *toolBar_; }

    void OnCustomize();
    void OnAppAbout();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateToolBar();
    void RemoveMenuItems();
    void ConnectCommands();

    std::unique_ptr<Ui::MainFrame> ui_;
    QToolBar* toolBar_ = nullptr;  // owned by the window
    CSideBar* sideBar_ = nullptr;  // owned by the window
    CZentyraView* view_ = nullptr; // owned by the window
};
