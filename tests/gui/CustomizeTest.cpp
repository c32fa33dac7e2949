#include "GuiTestSupport.h"

#include "gui/CDlg_Customize.h"
#include "ui_CustomizeDialog.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace zentyra::test {
namespace {

class CustomizeTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        ASSERT_TRUE(StartWith("road"));
        appConfig().notesText = "First line\r\nSecond line";
        iniBefore = ReadFile(demo.orvIni());
    }
    std::string iniBefore;
};

TEST_F(CustomizeTest, ShowsTheSettingsAndTranslatesItsCaptions) {
    CDlg_Customize dialog;
    auto& form = dialog.form();
    EXPECT_EQ(form.editMarginLeft->text(), QStringLiteral("1.5"));
    EXPECT_EQ(form.editMarginRight->text(), QStringLiteral("1"));
    EXPECT_EQ(form.editMarginTop->text(), QStringLiteral("0.5"));
    EXPECT_EQ(form.editMarginBottom->text(), QStringLiteral("1.5"));
    EXPECT_EQ(form.editAddress1->text(), QStringLiteral("Studio Luce Colombo"));
    EXPECT_TRUE(form.radioLogo1->isChecked());
    EXPECT_EQ(form.editNotes->toPlainText(), QStringLiteral("First line\nSecond line"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Customize"));
    EXPECT_EQ(form.labelNotes->text(), QStringLiteral("Notes"));
    EXPECT_EQ(form.buttonCancel->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(form.labelAddress4->text(), QString()); // entries 4..6 are string 0
    EXPECT_TRUE(form.radioMetres->isHidden());
    EXPECT_TRUE(form.radioFeet->isHidden());
    EXPECT_TRUE(form.groupUnits->isHidden());
    EXPECT_EQ(form.editAddress1->maxLength(), 99);
}

TEST_F(CustomizeTest, CancelChangesNothing) {
    const AppConfig configBefore = appConfig();
    {
        CDlg_Customize dialog;
        dialog.form().editMarginLeft->setText("3");
        dialog.form().editAddress2->setText("Elsewhere");
        dialog.form().checkGermanReports->setChecked(true);
        dialog.form().editNotes->setPlainText("changed");
        dialog.reject();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(ReadFile(demo.orvIni()), iniBefore);
    EXPECT_EQ(appConfig().toBytes(), configBefore.toBytes());
    EXPECT_EQ(ReportSettings::instance().marginLeft, 150);
}

TEST_F(CustomizeTest, OkSavesEachKeyAndTheRecordReachesTheDiskAtExit) {
    CDlg_Customize dialog;
    auto& form = dialog.form();
    form.editMarginLeft->setText("2.755");
    form.editMarginTop->setText(" 0.25 ");
    form.editAddress2->setText("Via Roma 1");
    form.radioLogo0->setChecked(true);
    form.checkGermanReports->setChecked(true);
    form.editWarnings->setPlainText("Keep out\nof the tunnel");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(messages.messages.empty());

    std::string expected = iniBefore;
    auto replace = [&](const std::string& from, const std::string& to) {
        const std::size_t at = expected.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        expected.replace(at, from.size(), to);
    };
    replace("Printer Margin Left=150", "Printer Margin Left=275");
    replace("Printer Margin Top=50", "Printer Margin Top=25");
    replace("Logo Alignment=1", "Logo Alignment=0");
    replace("Address2=Via Garibaldi 12, 22063 Cant\xF9 (CO)", "Address2=Via Roma 1");
    // The unit key is saved as it was loaded; the record waits for the exit.
    EXPECT_EQ(ReadFile(demo.orvIni()), expected);
    EXPECT_EQ(ReportSettings::instance().marginLeft, 275);
    EXPECT_EQ(appConfig().germanReports, 1);
    EXPECT_EQ(appConfig().warningsText, "Keep out\r\nof the tunnel");

    const AppConfig written = appConfig();
    app->ExitInstance();
    AppConfig read;
    ASSERT_TRUE(read.read(demo.orvIni()));
    EXPECT_EQ(read.toBytes(), written.toBytes());
}

TEST_F(CustomizeTest, AMarginThatIsNotANumberKeepsTheDialogOpenAndStoresNothing) {
    for (const char* bad : {"abc", "", "1,5", "1e12", "nan", "2.5cm"}) {
        CDlg_Customize dialog;
        dialog.form().editAddress1->setText("Someone else");
        dialog.form().editMarginBottom->setText(bad);
        dialog.accept();
        EXPECT_NE(dialog.result(), QDialog::Accepted) << bad;
        ASSERT_FALSE(messages.messages.empty()) << bad;
        EXPECT_EQ(messages.messages.back().title, "Zentyra");
        EXPECT_EQ(ReadFile(demo.orvIni()), iniBefore) << bad;
    }
    EXPECT_EQ(CDlg_Customize::ParseMargin("-0.5"), -0.5);
    EXPECT_EQ(CDlg_Customize::ParseMargin(".5"), 0.5);
}

TEST_F(CustomizeTest, NotesAndWarningsHoldAtMost999Characters) {
    CDlg_Customize dialog;
    dialog.form().editNotes->setPlainText(QString(1200, QLatin1Char('n')));
    EXPECT_EQ(dialog.form().editNotes->toPlainText().size(), 999);
    dialog.accept();
    EXPECT_EQ(appConfig().notesText, std::string(999, 'n'));
}

TEST_F(CustomizeTest, TheChosenLogoReplacesThePrintLogo) {
    const std::string logo = demo.dir.file("suite/Cfg/Zada_S.Msg");
    const std::string chosen = demo.dir.write("new-logo.bmp", "BM new logo bytes");
    CDlg_Customize dialog;
    dialog.setFileChooser([&](QWidget*) { return QString::fromStdString(chosen); });
    dialog.ChooseLogo();
    EXPECT_EQ(ReadFile(logo), "BM new logo bytes");
    // A file that cannot be read leaves the logo as it is, silently; so does a cancel.
    dialog.setFileChooser([&](QWidget*) { return QString::fromStdString(demo.dir.file("none")); });
    dialog.ChooseLogo();
    dialog.setFileChooser([](QWidget*) { return QString(); });
    dialog.ChooseLogo();
    EXPECT_EQ(ReadFile(logo), "BM new logo bytes");
    dialog.reject(); // the copy stays whatever closes the dialog
    EXPECT_EQ(ReadFile(logo), "BM new logo bytes");
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
} // namespace zentyra::test
