#include "gui/CDlg_Customize.h"

#include "gui/WidgetTranslation.h"
#include "ui_CustomizeDialog.h"

#include "language/TextList.h"
#include "language/TextNumberTable.h"
#include "platform/Messages.h"
#include "platform/Path.h"
#include "settings/AppConfig.h"
#include "settings/InstallConfig.h"
#include "settings/ReportSettings.h"

#include <QFile>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextCursor>

#include <array>
#include <climits>
#include <cmath>

namespace {

const zentyra::TextList& CustomizeTexts() {
    static const zentyra::TextList list(zentyra::TextNumberTable::CustomizeSlice(),
                                        zentyra::TextLanguage::Program);
    return list;
}

QString ChooseWithDialog(QWidget* parent) {
    QFileDialog dialog(parent, QString(), QString(), QStringLiteral("BMP Files (*.bmp *.BMP)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().front();
}

// Margins show as plain numbers: 1.5, 1, 0.5.
QString MarginText(std::int32_t hundredths) {
    return QString::number(hundredths / 100.0, 'g', 12);
}

std::string Limited(const QString& text, int units) {
    return text.left(units).toStdString();
}

// The record keeps the line ends of a multi-line edit (CR LF), at most `units` of them.
std::string RecordText(QString text, int units) {
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    text.truncate(units);
    if (text.endsWith(QLatin1Char('\r'))) text.chop(1);
    return text.toStdString();
}

QString EditText(const std::string& record) {
    return QString::fromStdString(record).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace

CDlg_Customize::CDlg_Customize(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CustomizeDialog>()), chooseFile_(ChooseWithDialog) {
    ui_->setupUi(this);
    setModal(true);
    zentyra::translateWindow(*this, CustomizeTexts());
    connect(ui_->buttonOk, &QPushButton::clicked, this, &CDlg_Customize::accept);
    connect(ui_->buttonCancel, &QPushButton::clicked, this, &CDlg_Customize::reject);
    connect(ui_->buttonChooseLogo, &QPushButton::clicked, this, &CDlg_Customize::ChooseLogo);
    for (QPlainTextEdit* edit : {ui_->editNotes, ui_->editWarnings})
        connect(edit, &QPlainTextEdit::textChanged, this,
                [edit] { LimitLength(*edit, kNoteUnits); });
    Load();
    // The unit system is carried through, not chosen here.
    ui_->radioMetres->hide();
    ui_->radioFeet->hide();
}

CDlg_Customize::~CDlg_Customize() = default;

void CDlg_Customize::LimitLength(QPlainTextEdit& edit, int units) {
    const QString text = edit.toPlainText();
    if (text.size() <= units) return;
    const QSignalBlocker blocker(edit);
    edit.setPlainText(text.left(units));
    edit.moveCursor(QTextCursor::End);
}

void CDlg_Customize::Load() {
    const zentyra::ReportSettings& settings = zentyra::ReportSettings::instance();
    const std::array<QLineEdit*, 6> addresses = {ui_->editAddress1, ui_->editAddress2,
                                                 ui_->editAddress3, ui_->editAddress4,
                                                 ui_->editAddress5, ui_->editAddress6};
    for (std::size_t i = 0; i < addresses.size(); ++i)
        addresses[i]->setText(QString::fromStdString(settings.address[i]).left(kAddressUnits));
    ui_->editMarginLeft->setText(MarginText(settings.marginLeft));
    ui_->editMarginRight->setText(MarginText(settings.marginRight));
    ui_->editMarginTop->setText(MarginText(settings.marginTop));
    ui_->editMarginBottom->setText(MarginText(settings.marginBottom));
    const std::array<QRadioButton*, 4> logo = {ui_->radioLogo0, ui_->radioLogo1, ui_->radioLogo2,
                                               ui_->radioLogo3};
    if (settings.logoAlignment < logo.size()) logo[settings.logoAlignment]->setChecked(true);
    (settings.unitSystem == 1 ? ui_->radioFeet : ui_->radioMetres)->setChecked(true);
    const zentyra::AppConfig& config = zentyra::appConfig();
    ui_->checkGermanReports->setChecked(config.germanReports != 0);
    ui_->editNotes->setPlainText(EditText(config.notesText));
    ui_->editWarnings->setPlainText(EditText(config.warningsText));
}

std::optional<double> CDlg_Customize::ParseMargin(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?\\s*$"));
    if (!number.match(text).hasMatch()) return std::nullopt;
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    // The settings hold whole hundredths in 32 bits.
    if (std::abs(value * 100) >= static_cast<double>(INT_MAX)) return std::nullopt;
    return value;
}

void CDlg_Customize::accept() {
    // Every margin is checked before anything is stored: a refused value stores nothing.
    const std::array<QLineEdit*, 4> marginEdits = {ui_->editMarginLeft, ui_->editMarginRight,
                                                   ui_->editMarginTop, ui_->editMarginBottom};
    std::array<double, 4> margins{};
    for (std::size_t i = 0; i < marginEdits.size(); ++i) {
        const std::optional<double> value = ParseMargin(marginEdits[i]->text());
        if (!value) {
            zentyra::ReportError("Please enter a number.");
            marginEdits[i]->setFocus();
            marginEdits[i]->selectAll();
            return;
        }
        margins[i] = *value;
    }

    using zentyra::ReportSettings;
    ReportSettings& settings = ReportSettings::instance();
    const std::array<QLineEdit*, 6> addresses = {ui_->editAddress1, ui_->editAddress2,
                                                 ui_->editAddress3, ui_->editAddress4,
                                                 ui_->editAddress5, ui_->editAddress6};
    for (std::size_t i = 0; i < addresses.size(); ++i) {
        settings.address[i] = Limited(addresses[i]->text(), kAddressUnits);
        settings.save(ReportSettings::Address1Key + static_cast<int>(i));
    }
    std::int32_t* const fields[] = {&settings.marginLeft, &settings.marginRight,
                                    &settings.marginTop, &settings.marginBottom};
    for (std::size_t i = 0; i < marginEdits.size(); ++i) {
        *fields[i] = static_cast<std::int32_t>(margins[i] * 100); // truncated: 2.755 is 275
        settings.save(ReportSettings::MarginLeftKey + static_cast<int>(i));
    }
    const std::array<QRadioButton*, 4> logo = {ui_->radioLogo0, ui_->radioLogo1, ui_->radioLogo2,
                                               ui_->radioLogo3};
    for (std::size_t i = 0; i < logo.size(); ++i)
        if (logo[i]->isChecked()) settings.logoAlignment = static_cast<std::uint32_t>(i);
    settings.save(ReportSettings::LogoAlignmentKey);
    settings.unitSystem = ui_->radioFeet->isChecked() ? 1 : 0;
    settings.save(ReportSettings::UnitSystemKey);

    zentyra::AppConfig& config = zentyra::appConfig();
    config.germanReports = ui_->checkGermanReports->isChecked() ? 1 : 0;
    config.notesText = RecordText(ui_->editNotes->toPlainText(), kNoteUnits);
    config.warningsText = RecordText(ui_->editWarnings->toPlainText(), kNoteUnits);
    QDialog::accept();
}

void CDlg_Customize::ChooseLogo() {
    const QString file = chooseFile_ ? chooseFile_(this) : QString();
    if (file.isEmpty()) return;
    // Not reported: the previous logo simply stays.
    ReplaceLogo(file, QString::fromStdString(zentyra::InstallConfig::instance().cfgDir()));
}

bool CDlg_Customize::ReplaceLogo(const QString& file, const QString& configDirectory) {
    if (configDirectory.isEmpty()) return false;
    QFile source(file);
    if (!source.open(QIODevice::ReadOnly)) return false;
    const std::string target = zentyra::ResolveCaseInsensitive(
        zentyra::JoinPath(configDirectory.toStdString(), kLogoFileName));
    QSaveFile copy(QString::fromStdString(target));
    if (!copy.open(QIODevice::WriteOnly)) return false;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(1 << 16);
        if (chunk.isEmpty() && source.error() != QFileDevice::NoError) {
            copy.cancelWriting();
            return false;
        }
        if (copy.write(chunk) != chunk.size()) {
            copy.cancelWriting();
            return false;
        }
    }
    return copy.commit();
}
