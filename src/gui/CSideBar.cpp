#include "gui/CSideBar.h"

#include "gui/CPictureBox.h"
#include "gui/WidgetTranslation.h"
#include "ui_SideBar.h"

#include "document/ProjectFile.h"
#include "language/KLanguageManagerGeneric.h"
#include "language/TextList.h"
#include "language/TextNumberTable.h"
#include "pieces/PicturePieces.h"
#include "settings/InstallConfig.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QTreeWidget>

namespace {

// Distances of the resizing rule, in pixels from the bar's edges.
constexpr int kTreeRightGap = 10;
constexpr int kTreeBottomGap = 60;
constexpr int kButtonBottomGap = 16;

constexpr int kEntryRole = Qt::UserRole;

const zentyra::TextList& WindowTexts() {
    static const zentyra::TextList list(zentyra::TextNumberTable::WindowSlice(),
                                        zentyra::TextLanguage::Program);
    return list;
}

QString ChooseWithDialog(QWidget* parent, const QString& startDirectory) {
    return QFileDialog::getOpenFileName(parent, QString(), startDirectory,
                                        CSideBar::PictureFilter());
}

} // namespace

CSideBar::CSideBar(QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::SideBar>()), chooseFile_(ChooseWithDialog) {
    ui_->setupUi(this);
    connect(ui_->treeReport, &QTreeWidget::itemChanged, this, &CSideBar::OnItemChanged);
    connect(ui_->pictureBox, &CPictureBox::clicked, this, &CSideBar::ChooseCoverPicture);
    connect(ui_->buttonRemovePicture, &QPushButton::clicked, this, &CSideBar::RemovePicture);
    connect(ui_->buttonMakeDefault, &QPushButton::clicked, this, &CSideBar::MakeDefault);
    connect(ui_->buttonCustomize, &QPushButton::clicked, this, &CSideBar::customizeRequested);
    connect(ui_->buttonPrintSetup, &QPushButton::clicked, this, &CSideBar::printSetupRequested);
    connect(ui_->buttonPrintPreview, &QPushButton::clicked, this, &CSideBar::printPreviewRequested);
    connect(ui_->buttonPrint, &QPushButton::clicked, this, &CSideBar::printRequested);
}

CSideBar::~CSideBar() = default;

QTreeWidget& CSideBar::tree() const {
    return *ui_->treeReport;
}
QComboBox& CSideBar::languageCombo() const {
    return *ui_->comboPrintLanguage;
}
CPictureBox& CSideBar::pictureBox() const {
    return *ui_->pictureBox;
}

QWidget* CSideBar::control(int id) const {
    switch (id) {
    case 1040:
        return ui_->editProjectName;
    case 1041:
        return ui_->editProjectNotes;
    case 1042:
        return ui_->editProjectClient;
    case 1044:
        return ui_->editProjectCode;
    case 1045:
        return ui_->editDate;
    default:
        return nullptr;
    }
}

QTreeWidgetItem* CSideBar::itemOf(int entry) const {
    if (entry < 0 || entry >= static_cast<int>(items_.size())) return nullptr;
    return items_[static_cast<std::size_t>(entry)];
}

QString CSideBar::PictureFilter() {
    return QStringLiteral("All Picture Files (*.bmp *.jpg *.jpeg *.gif *.tif *.tiff *.wmf *.emf "
                          "*.BMP *.JPG *.JPEG *.GIF *.TIF *.TIFF *.WMF *.EMF);;"
                          "Bitmap files (*.bmp *.BMP);;"
                          "JPEG files (*.jpg *.jpeg *.JPG *.JPEG);;"
                          "Compuserve files (*.gif *.GIF);;"
                          "TIFF files (*.tif *.tiff *.TIF *.TIFF);;"
                          "Metafile (*.wmf *.emf *.WMF *.EMF);;"
                          "All Files (*)");
}

void CSideBar::Initialise() {
    zentyra::translateWindow(*this, WindowTexts());
    Fill(nullptr);
    FillLanguages();
}

void CSideBar::FillLanguages() {
    QComboBox& combo = *ui_->comboPrintLanguage;
    combo.clear();
    for (const int number : zentyra::TextNumberTable::LanguageChoiceSlice()) {
        combo.addItem(QString::fromStdString(zentyra::programLanguage().getString(number)), number);
    }
    // A sorted list, as the drop-down list of the languages always was.
    combo.model()->sort(0);
    combo.setCurrentIndex(combo.findData(zentyra::printLanguage().currentLanguageId()));
}

void CSideBar::Fill(zentyra::ProjectFile* project) {
    for (QLineEdit* edit : {ui_->editProjectName, ui_->editProjectNotes, ui_->editProjectClient,
                            ui_->editProjectCode, ui_->editDate})
        edit->clear();
    updatingTicks_ = true;
    ui_->treeReport->clear();
    updatingTicks_ = false;
    items_.clear();
    entries_.Clear();
    project_ = project;
    if (!project) return;

    auto text = [](const std::string& value) { return QString::fromStdString(value); };
    ui_->editProjectName->setText(text(project->ProjectName));
    ui_->editProjectCode->setText(text(project->ProjectCode));
    ui_->editDate->setText(text(project->Date));
    ui_->editProjectClient->setText(text(project->ProjectClient));
    ui_->editProjectNotes->setText(text(project->ProjectNotes));
    // The design application names the picture relative to the project, as the cover does.
    ui_->pictureBox->LoadPicture(
        text(zentyra::CompletePicturePath(*project, project->coverImagePath)));
    FillTree();
}

void CSideBar::FillTree() {
    entries_.Build(project_->tree);
    const std::vector<zentyra::SideBarEntry>& entries = entries_.entries();
    items_.assign(entries.size(), nullptr);
    updatingTicks_ = true;
    auto make = [&](int index) {
        const zentyra::SideBarEntry& entry = entries[static_cast<std::size_t>(index)];
        auto* item = new QTreeWidgetItem(QStringList(QString::fromStdString(entry.text)));
        item->setData(0, kEntryRole, index);
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (entry.checkable) {
            flags |= Qt::ItemIsUserCheckable;
            item->setCheckState(0, entry.ticked ? Qt::Checked : Qt::Unchecked);
        }
        item->setFlags(flags);
        items_[static_cast<std::size_t>(index)] = item;
        return item;
    };
    for (const int root : entries_.roots()) {
        QTreeWidgetItem* item = make(root);
        ui_->treeReport->addTopLevelItem(item);
        for (const int child : entries[static_cast<std::size_t>(root)].children)
            item->addChild(make(child));
        if (item->childCount() > 0) item->setExpanded(true);
    }
    updatingTicks_ = false;
}

void CSideBar::OnItemChanged(QTreeWidgetItem* item, int column) {
    if (updatingTicks_ || column != 0 || !item) return;
    if (!(item->flags() & Qt::ItemIsUserCheckable)) return;
    const int entry = item->data(0, kEntryRole).toInt();
    const bool ticked = item->checkState(0) == Qt::Checked;
    if (entries_.entries()[static_cast<std::size_t>(entry)].ticked == ticked) return;
    updatingTicks_ = true;
    for (const int other : entries_.SetTicked(entry, ticked)) {
        const bool state = entries_.entries()[static_cast<std::size_t>(other)].ticked;
        items_[static_cast<std::size_t>(other)]->setCheckState(0,
                                                               state ? Qt::Checked : Qt::Unchecked);
    }
    updatingTicks_ = false;
}

void CSideBar::Apply() {
    if (project_) {
        project_->ProjectName = ui_->editProjectName->text().toStdString();
        project_->ProjectCode = ui_->editProjectCode->text().toStdString();
        project_->Date = ui_->editDate->text().toStdString();
        project_->ProjectClient = ui_->editProjectClient->text().toStdString();
        project_->ProjectNotes = ui_->editProjectNotes->text().toStdString();
        project_->coverImagePath = ui_->pictureBox->path().toStdString();
    }
    // No entry selected (the print language is not one of those offered) passes -1.
    const QVariant chosen = ui_->comboPrintLanguage->currentData();
    zentyra::printLanguage().loadLanguage(chosen.isValid() ? chosen.toInt() : -1);
    if (!project_) return;
    // The boxes as shown are what counts.
    for (std::size_t i = 0; i < items_.size(); ++i)
        entries_.SetBox(static_cast<int>(i), items_[i]->checkState(0) == Qt::Checked);
    entries_.ApplyTicks();
    project_->tree.UntickPiecesOfUntickedChapters();
}

void CSideBar::MakeDefault() {
    if (!project_) return;
    Apply();
    project_->tree.SaveSelection();
}

void CSideBar::RemovePicture() {
    ui_->pictureBox->RemovePicture();
    update();
}

void CSideBar::ChooseCoverPicture() {
    const QString start = QString::fromStdString(zentyra::InstallConfig::instance().prjImpExpDir());
    const QString file = chooseFile_ ? chooseFile_(this, start) : QString();
    if (!file.isEmpty()) ui_->pictureBox->LoadPicture(file);
}

void CSideBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    QTreeWidget& tree = *ui_->treeReport;
    const QPoint corner = tree.geometry().topLeft();
    tree.setGeometry(corner.x(), corner.y(), std::max(0, width() - kTreeRightGap - corner.x()),
                     std::max(0, height() - kTreeBottomGap - corner.y()));
    for (QPushButton* button : {ui_->buttonCustomize, ui_->buttonPrintSetup,
                                ui_->buttonPrintPreview, ui_->buttonPrint, ui_->buttonMakeDefault})
        button->move(button->x(), height() - kButtonBottomGap - button->height());
}
