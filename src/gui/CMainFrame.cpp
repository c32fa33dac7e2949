#include "gui/CMainFrame.h"

#include "gui/CDlg_Customize.h"
#include "gui/CSideBar.h"
#include "gui/CZentyraDoc.h"
#include "gui/CZentyraView.h"
#include "gui/Icons.h"
#include "gui/WidgetTranslation.h"
#include "ui_AboutDialog.h"
#include "ui_MainFrame.h"

#include "language/TextList.h"
#include "language/TextNumberTable.h"

#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace {

const zentyra::TextList& WindowTexts() {
    static const zentyra::TextList list(zentyra::TextNumberTable::WindowSlice(),
                                        zentyra::TextLanguage::Program);
    return list;
}

// Removing items can leave a menu starting, ending or doubling a separator.
void TidySeparators(QMenu& menu) {
    bool previousWasSeparator = true; // a separator at the top is dropped
    QAction* lastSeparator = nullptr;
    for (QAction* action : menu.actions()) {
        if (action->isSeparator()) {
            if (previousWasSeparator) {
                menu.removeAction(action);
                delete action;
                continue;
            }
            lastSeparator = action;
        } else {
            lastSeparator = nullptr;
        }
        previousWasSeparator = action->isSeparator();
    }
    if (lastSeparator) {
        menu.removeAction(lastSeparator);
        delete lastSeparator;
    }
}

} // namespace

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::MainFrame>()) {
    ui_->setupUi(this);
    setWindowIcon(Icons::Application());
    CreateToolBar();
    RemoveMenuItems();
    zentyra::translateMenu(*menuBar(), WindowTexts());
    // No tool tips on the toolbar.
    for (QToolButton* button : toolBar_->findChildren<QToolButton*>())
        button->installEventFilter(this);

    sideBar_ = new CSideBar(this);
    setCentralWidget(sideBar_);
    sideBar_->Initialise();
    view_ = new CZentyraView(this, sideBar_);
    ConnectCommands();
}

CMainFrame::~CMainFrame() = default;

QAction* CMainFrame::action(int command) const {
    for (QAction* candidate : findChildren<QAction*>()) {
        if (candidate->property(kCommandProperty).toInt() == command) return candidate;
    }
    return nullptr;
}

void CMainFrame::CreateToolBar() {
    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setMovable(true);
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    addToolBar(Qt::TopToolBarArea, toolBar_);
    ui_->actionCustomize->setIcon(Icons::Customize());
    ui_->actionPrintSetup->setIcon(Icons::PrintSetup());
    ui_->actionPrintPreview->setIcon(Icons::PrintPreview());
    ui_->actionPrint->setIcon(Icons::Print());
    ui_->actionAbout->setIcon(Icons::About());
    toolBar_->addAction(ui_->actionCustomize);
    toolBar_->addAction(ui_->actionPrintSetup);
    toolBar_->addAction(ui_->actionPrintPreview);
    toolBar_->addSeparator();
    toolBar_->addAction(ui_->actionPrint);
    toolBar_->addAction(ui_->actionAbout);
    // Icons in the menu would repeat the toolbar.
    for (QAction* item : findChildren<QAction*>())
        item->setIconVisibleInMenu(false);
}

void CMainFrame::RemoveMenuItems() {
    for (const int command : {kStatusBar, kNew, kOpen, kSave, kSaveAs}) {
        // A deleted action leaves every menu it was in.
        delete action(command);
    }
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        TidySeparators(*menu);
}

void CMainFrame::ConnectCommands() {
    ui_->actionPrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    ui_->actionPrint->setShortcutContext(Qt::ApplicationShortcut);
    connect(ui_->actionCustomize, &QAction::triggered, this, &CMainFrame::OnCustomize);
    connect(ui_->actionAbout, &QAction::triggered, this, &CMainFrame::OnAppAbout);
    connect(ui_->actionExit, &QAction::triggered, this, &QWidget::close);
    connect(ui_->actionPrint, &QAction::triggered, view_, &CZentyraView::OnFilePrint);
    connect(ui_->actionPrintPreview, &QAction::triggered, view_, &CZentyraView::OnFilePrintPreview);
    connect(ui_->actionPrintSetup, &QAction::triggered, view_, &CZentyraView::OnFilePrintSetup);
    connect(ui_->actionToolbar, &QAction::toggled, toolBar_, &QToolBar::setVisible);
    connect(toolBar_, &QToolBar::visibilityChanged, ui_->actionToolbar, [this](bool visible) {
        if (!isHidden()) ui_->actionToolbar->setChecked(visible);
    });

    connect(sideBar_, &CSideBar::customizeRequested, this, &CMainFrame::OnCustomize);
    connect(sideBar_, &CSideBar::printSetupRequested, view_, &CZentyraView::OnFilePrintSetup);
    connect(sideBar_, &CSideBar::printPreviewRequested, view_, &CZentyraView::OnFilePrintPreview);
    connect(sideBar_, &CSideBar::printRequested, view_, &CZentyraView::OnFilePrint);

    connect(view_, &CZentyraView::previewStarted, sideBar_, &QWidget::hide);
    connect(view_, &CZentyraView::previewEnded, sideBar_, &QWidget::show);
}

void CMainFrame::SetDocument(CZentyraDoc* document) {
    view_->setDocument(document);
    sideBar_->Fill(document ? &document->project() : nullptr);
    setWindowTitle((document ? document->title() : QStringLiteral("Untitled")) +
                   QStringLiteral(" - Zentyra"));
}

void CMainFrame::OnCustomize() {
    CDlg_Customize dialog(this);
    dialog.exec();
}

void CMainFrame::OnAppAbout() {
    QDialog dialog(this);
    Ui::AboutDialog form;
    form.setupUi(&dialog);
    form.labelIcon->setPixmap(Icons::Application().pixmap(48, 48));
    dialog.setModal(true);
    dialog.exec();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip) return true;
    return QMainWindow::eventFilter(watched, event);
}
