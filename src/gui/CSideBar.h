#pragma once
// The user's working surface in the main window: the report's chapters and pieces with check
// boxes, the five project texts, the cover picture, the print language and the command
// buttons. Nothing reaches the project until Apply, which runs before every print or preview
// and when the user makes the choices the default.
#include "gui/SideBarTree.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class CPictureBox;
class QComboBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace Ui {
class SideBar;
}

namespace zentyra {
class ProjectFile;
}

class CSideBar : public QWidget {
    Q_OBJECT
public:
    // The file dialog of the cover picture; returns the chosen file or an empty text.
    using FileChooser = std::function<QString(QWidget* parent, const QString& startDirectory)>;

    explicit CSideBar(QWidget* parent = nullptr);
    ~CSideBar() override;

    // Captions, an empty tree, the print languages. Once, after creation.
    void Initialise();
    // Shows the project's texts, cover picture and report tree; null empties the bar.
    void Fill(zentyra::ProjectFile* project);
    // Writes texts, cover picture, print language and ticks into the project; without one,
    // only the print language.
    void Apply();
    // The make-default button: Apply, then remember the ticks (in the last-configuration mode).
    void MakeDefault();
    void RemovePicture();
    // The picture box was clicked: choose a file and load it.
    void ChooseCoverPicture();

    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    zentyra::ProjectFile* project() const { return project_; }
    QTreeWidget& tree() const;
    QComboBox& languageCombo() const;
    CPictureBox& pictureBox() const;
    const zentyra::SideBarTree& entries() const { return entries_; }
    // The widget item of an entry (null for an index out of range).
    QTreeWidgetItem* itemOf(int entry) const;
    // The edit of a project text by its control id (1040 name, 1041 notes, 1042 client,
    // 1044 code, 1045 date).
    QWidget* control(int id) const;

    static QString PictureFilter();

signals:
    void customizeRequested();
    void printSetupRequested();
    void printPreviewRequested();
    void printRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FillTree();
    void FillLanguages();
    void OnItemChanged(QTreeWidgetItem* item, int column);

    std::unique_ptr<Ui::SideBar> ui_;
    zentyra::ProjectFile* project_ = nullptr; // not owned
    zentyra::SideBarTree entries_;
    std::vector<QTreeWidgetItem*> items_; // by entry index; owned by the tree widget
    bool updatingTicks_ = false;
    FileChooser chooseFile_;
};
