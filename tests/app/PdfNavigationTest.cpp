// The exported PDF's bookmarks, contents links and document information, read back with qpdf
// and poppler: every bookmark and every contents line leads to the page where its part starts,
// as the printed page numbers say.
#include "HeadlessTestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QString>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace zentyra {
namespace {

using namespace test;

constexpr double kPageHeightPoints = 842; // A4 as Qt writes it

QJsonObject QpdfJson(const std::string& pdf) {
    const std::string json = Capture("qpdf --json=2 --json-key=outlines --json-key=pages "
                                     "--json-key=qpdf " +
                                     Quote(pdf));
    return QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
}

// The text of one page (1-based), or of a rectangle of it given in points from the top left.
QString PageText(const std::string& pdf, int page, const QString& crop = {}) {
    const std::string number = std::to_string(page);
    return QString::fromStdString(Capture("pdftotext -layout -f " + number + " -l " + number + " " +
                                          crop.toStdString() + " " + Quote(pdf) + " -"));
}

// The number the footer prints ("Page N"), or 0 for the cover and the contents.
int FooterNumber(const QString& text) {
    const QRegularExpressionMatch match =
        QRegularExpression(R"(Page (\d+)\s*$)").match(text.trimmed());
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

struct Bookmark {
    QString title;
    int page = 0;
    int level = 0;
};

void CollectBookmarks(const QJsonArray& items, int level, std::vector<Bookmark>& out) {
    for (const QJsonValue& item : items) {
        out.push_back({item["title"].toString(), item["destpageposfrom1"].toInt(), level});
        CollectBookmarks(item["kids"].toArray(), level + 1, out);
    }
}

class PdfNavigation : public ::testing::Test {
protected:
    void SetUp() override {
        pdf = demo.dir.file("road.pdf");
        const RunResult result = RunProgram(
            {"--suite", demo.suite(), "--export-pdf", pdf, demo.project("road")}, demo.dir);
        ASSERT_EQ(result.status, 0) << result.errors;
        qpdf = QpdfJson(pdf);
        const QJsonArray pages = qpdf["pages"].toArray();
        ASSERT_GT(pages.size(), 3);
        for (const QJsonValue& page : pages) {
            const int position = page["pageposfrom1"].toInt();
            pageObjects[page["object"].toString()] = position;
            footers.push_back(FooterNumber(PageText(pdf, position)));
        }
        // The contents page: the numbered lines and the page each names.
        const QRegularExpression line(R"(^(\d+(?:\.\d+)?)\s+(.+?)\s+(\d+)?$)");
        for (const QString& row : PageText(pdf, 2).split('\n')) {
            const QRegularExpressionMatch match = line.match(row.trimmed());
            if (match.hasMatch() && !match.captured(3).isEmpty())
                contentsPage[match.captured(1)] = match.captured(3).toInt();
        }
        ASSERT_FALSE(contentsPage.empty());
    }

    // The document page (1-based) whose footer prints n.
    int PrintedPage(int n) const {
        for (std::size_t i = 0; i < footers.size(); ++i)
            if (footers[i] == n) return static_cast<int>(i) + 1;
        return -1;
    }
    // Where a numbered part starts by the contents page: a piece by its own line, a chapter by
    // its first piece.
    int ExpectedPage(const QString& number) const {
        const QString key = number.contains('.') ? number : number + ".1";
        const auto found = contentsPage.find(key);
        return found == contentsPage.end() ? -1 : PrintedPage(found->second);
    }

    DemoCopy demo;
    std::string pdf;
    QJsonObject qpdf;
    std::map<QString, int> pageObjects; // "7 0 R" -> position
    std::vector<int> footers;
    std::map<QString, int> contentsPage; // "1.2" -> printed page number
};

TEST_F(PdfNavigation, BookmarksLeadToWherePartsStart) {
    std::vector<Bookmark> bookmarks;
    CollectBookmarks(qpdf["outlines"].toArray(), 0, bookmarks);
    ASSERT_GE(bookmarks.size(), 4u);
    EXPECT_EQ(bookmarks[0].title, "Cover page");
    EXPECT_EQ(bookmarks[0].page, 1);
    EXPECT_EQ(bookmarks[1].title, "Contents");
    EXPECT_EQ(bookmarks[1].page, 2);
    int chapters = 0;
    int pieces = 0;
    for (std::size_t i = 2; i < bookmarks.size(); ++i) {
        const Bookmark& bookmark = bookmarks[i];
        const QString number = bookmark.title.section(' ', 0, 0).remove(QRegularExpression("\\.$"));
        EXPECT_EQ(bookmark.level, number.contains('.') ? 1 : 0) << bookmark.title.toStdString();
        (number.contains('.') ? pieces : chapters)++;
        EXPECT_EQ(bookmark.page, ExpectedPage(number)) << bookmark.title.toStdString();
    }
    EXPECT_GE(chapters, 4);
    EXPECT_EQ(pieces, static_cast<int>(contentsPage.size()));
}

TEST_F(PdfNavigation, EveryContentsLineLinksToItsPage) {
    int links = 0;
    const QJsonObject objects = qpdf["qpdf"].toArray()[1].toObject();
    for (auto it = objects.begin(); it != objects.end(); ++it) {
        const QJsonObject value = it.value().toObject()["value"].toObject();
        if (value["/Subtype"].toString() != "/Link") continue;
        ++links;
        const QJsonArray rect = value["/Rect"].toArray();
        const double left = rect[0].toDouble(), bottom = rect[1].toDouble();
        const double right = rect[2].toDouble(), top = rect[3].toDouble();
        // The text under the link on the contents page.
        const QString crop = QString("-x %1 -y %2 -W %3 -H %4")
                                 .arg(int(left))
                                 .arg(int(kPageHeightPoints - top + 1))
                                 .arg(int(right - left))
                                 .arg(int(top - bottom - 1));
        const QString text = PageText(pdf, 2, crop).simplified();
        const QString number = text.section(' ', 0, 0);
        const int target = pageObjects[value["/Dest"].toArray()[0].toString()];
        EXPECT_EQ(target, ExpectedPage(number)) << text.toStdString();
    }
    // One link per chapter and per piece line.
    EXPECT_GE(links, static_cast<int>(contentsPage.size()) + 4);
}

TEST_F(PdfNavigation, DocumentInformationNamesProjectDesignerAndProgram) {
    const std::string info = Capture("pdfinfo " + Quote(pdf));
    EXPECT_NE(info.find("Title:           SP 32"), std::string::npos) << info;
    EXPECT_NE(info.find("Author:          Studio Luce Colombo"), std::string::npos) << info;
    EXPECT_NE(info.find("Subject:         STR-2025-004"), std::string::npos) << info;
    EXPECT_NE(info.find("Creator:         Zentyra "), std::string::npos) << info;
}

} // namespace
} // namespace zentyra
