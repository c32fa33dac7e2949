#pragma once
// What every report carries whatever the project: the designer's address lines, margins,
// logo position and print logo, the notes and warnings of the cover and the German-reports
// flag. OK stores the layout values in the report settings and saves each key to the suite
// INI file at once; notes, warnings and the flag go into the configuration record, which is
// written at exit. Cancel changes nothing (a logo already copied stays).
#include <QDialog>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class CustomizeDialog;
}

class QLineEdit;
class QPlainTextEdit;

class CDlg_Customize : public QDialog {
    Q_OBJECT
public:
    static constexpr int kAddressUnits = 99;
    static constexpr int kNoteUnits = 999;
    static constexpr const char* kLogoFileName = "Zada_S.Msg";

    // The file dialog of the print logo; returns the chosen file or an empty text.
    using FileChooser = std::function<QString(QWidget* parent)>;

    explicit CDlg_Customize(QWidget* parent = nullptr);
    ~CDlg_Customize() override;

    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    // The logo button: copy the chosen file over the print logo of the configuration folder.
    void ChooseLogo();
    // A margin as the user typed it, in centimetres: a plain decimal number with '.' (blanks
    // around it allowed) whose hundredths fit the settings; nullopt otherwise.
    static std::optional<double> ParseMargin(const QString& text);
    // Copies file over the print logo through a temporary file, so a failed copy leaves the
    // previous logo in place. Returns whether the logo was replaced.
    static bool ReplaceLogo(const QString& file, const QString& configDirectory);

    Ui::CustomizeDialog& form() const { return *ui_; }

public slots:
    void accept() override;

private:
    void Load();
    static void LimitLength(QPlainTextEdit& edit, int units);

    std::unique_ptr<Ui::CustomizeDialog> ui_;
    FileChooser chooseFile_;
};
