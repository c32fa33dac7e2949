// The page outputs of the command line on the demo projects: the page dump on test metrics,
// a real PDF read back with poppler, PNG pages, ticks and print language for one run, and the
// options and outputs that cannot be used.
#include "HeadlessTestSupport.h"
#include "PageImageSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace zentyra {
namespace {

using namespace test;

QJsonObject ReadJson(const std::string& path) {
    const std::string text = ReadFile(path);
    return QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
}

std::vector<int> Ints(const QJsonValue& value) {
    std::vector<int> numbers;
    for (const QJsonValue& v : value.toArray())
        numbers.push_back(v.toInt());
    return numbers;
}

// The text ops of a dumped page.
std::vector<QJsonObject> TextOps(const QJsonObject& page) {
    std::vector<QJsonObject> texts;
    for (const QJsonValue& op : page["ops"].toArray())
        if (op["op"].toString() == "text") texts.push_back(op.toObject());
    return texts;
}

std::vector<std::string> AllTexts(const QJsonObject& dump) {
    std::vector<std::string> texts;
    for (const QJsonValue& page : dump["pages"].toArray())
        for (const QJsonObject& op : TextOps(page.toObject()))
            texts.push_back(op["text"].toString().toStdString());
    return texts;
}

bool Contains(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

class Export : public ::testing::Test {
protected:
    RunResult run(std::vector<std::string> arguments, const std::string& project = "road") {
        // The selection switch counts only as the first argument.
        std::vector<std::string> all = std::move(arguments);
        all.insert(all.end(), {"--suite", demo.suite(), demo.project(project)});
        return RunProgram(all, demo.dir);
    }
    QJsonObject dumpPages(std::vector<std::string> arguments, const std::string& project = "road") {
        const std::string out = demo.dir.file("pages.json");
        std::remove(out.c_str());
        arguments.insert(arguments.end(), {"--test-metrics", "--dump-pages", out});
        const RunResult result = run(arguments, project);
        EXPECT_EQ(result.status, 0) << result.errors;
        return ReadJson(out);
    }
    DemoCopy demo;
};

TEST_F(Export, ThePageDumpShowsTheWorkedPageOnTestMetrics) {
    const QJsonObject dump = dumpPages({});
    EXPECT_EQ(Ints(dump["pageRect"]), (std::vector<int>{150, 50, 2000, 2820}));
    const QJsonArray pages = dump["pages"].toArray();
    ASSERT_GT(pages.size(), 3);
    // Cover and index are laid out last and printed first.
    const int count = static_cast<int>(pages.size());
    const int first = dump["firstPage"].toInt();
    EXPECT_GT(first, 1);
    std::vector<int> order;
    for (int n = first; n <= count; ++n)
        order.push_back(n);
    for (int n = 1; n < first; ++n)
        order.push_back(n);
    EXPECT_EQ(Ints(dump["printOrder"]), order);

    const QJsonObject page1 = pages[0].toObject();
    EXPECT_EQ(page1["number"].toInt(), 1);
    const QJsonArray ops = page1["ops"].toArray();
    ASSERT_GT(ops.size(), 8);
    // The logo strip, its rule and the header, in drawing order.
    const QJsonObject logo = ops[0].toObject();
    EXPECT_EQ(logo["op"].toString(), "image");
    EXPECT_EQ(logo["kind"].toString(), "bitmap");
    EXPECT_TRUE(logo["file"].toString().endsWith("Cfg/Zada_S.Msg"))
        << logo["file"].toString().toStdString();
    EXPECT_EQ(Ints(logo["box"]), (std::vector<int>{150, 50, 2000, 250}));
    EXPECT_EQ(Ints(logo["rect"]), (std::vector<int>{150, 50, 2000, 235}));
    const QJsonObject rule = ops[1].toObject();
    EXPECT_EQ(rule["op"].toString(), "line");
    EXPECT_EQ(Ints(rule["from"]), (std::vector<int>{150, 260}));
    EXPECT_EQ(Ints(rule["to"]), (std::vector<int>{2000, 260}));
    const QJsonObject header = ops[2].toObject();
    EXPECT_EQ(header["op"].toString(), "text");
    EXPECT_EQ(header["y"].toInt(), 270);
    EXPECT_EQ(header["font"].toString(), "body");
    EXPECT_EQ(header["halign"].toString(), "left");
    EXPECT_EQ(header["valign"].toString(), "top");
    EXPECT_TRUE(header["clip"].isNull());
    EXPECT_EQ(Ints(header["colour"]), (std::vector<int>{0, 0, 0}));

    bool footer = false;
    for (const QJsonObject& op : TextOps(page1)) {
        if (op["text"].toString() == "Page 1") {
            footer = true;
            EXPECT_EQ(op["x"].toInt(), 2000);
            EXPECT_EQ(op["y"].toInt(), 2820);
            EXPECT_EQ(op["halign"].toString(), "right");
            EXPECT_EQ(op["valign"].toString(), "bottom");
        }
        if (op["font"].toString() == "chapter") {
            EXPECT_EQ(op["text"].toString(), "1.  Project summary");
            EXPECT_EQ(op["y"].toInt(), 412);
        }
    }
    EXPECT_TRUE(footer);

    // The views chapter: heading, piece title, then the picture from 633 to BottomLimit.
    bool viewPage = false;
    for (const QJsonValue& value : pages) {
        const QJsonObject page = value.toObject();
        const std::vector<QJsonObject> texts = TextOps(page);
        const auto heading = std::find_if(texts.begin(), texts.end(), [](const QJsonObject& op) {
            return op["text"].toString() == "2.  Views";
        });
        if (heading == texts.end()) continue;
        viewPage = true;
        EXPECT_EQ((*heading)["y"].toInt(), 412);
        EXPECT_EQ((heading + 1)->value("text").toString(), "2.1    Plan view");
        EXPECT_EQ((heading + 1)->value("y").toInt(), 548);
        EXPECT_EQ((heading + 1)->value("font").toString(), "pieceTitle");
        const QJsonArray pageOps = page["ops"].toArray();
        const QJsonObject picture = pageOps[pageOps.size() - 1].toObject();
        EXPECT_EQ(picture["op"].toString(), "image");
        EXPECT_EQ(Ints(picture["box"]), (std::vector<int>{150, 633, 2000, 2769}));
    }
    EXPECT_TRUE(viewPage);
}

TEST_F(Export, ThePdfHoldsThePagesInPrintOrderAsText) {
    const std::string pdf = demo.dir.file("report.pdf");
    const std::string pngDir = demo.dir.file("png");
    const std::string pages = demo.dir.file("pages.json");
    const RunResult result =
        run({"--export-pdf", pdf, "--export-png", pngDir, "--dpi", "30", "--dump-pages", pages},
            "indoor");
    ASSERT_EQ(result.status, 0) << result.errors;
    const int count = static_cast<int>(ReadJson(pages)["pages"].toArray().size());
    ASSERT_GT(count, 5);

    const std::string info = Capture("pdfinfo " + Quote(pdf));
    const std::size_t pagesLine = info.find("Pages:");
    ASSERT_NE(pagesLine, std::string::npos) << info;
    EXPECT_EQ(std::atoi(info.c_str() + pagesLine + 6), count) << info;
    EXPECT_NE(info.find("595 x 842 pts (A4)"), std::string::npos) << info;
    // The cover prints first, then the contents, then page 1.
    const std::string cover = Capture("pdftotext -f 1 -l 1 -layout " + Quote(pdf) + " -");
    EXPECT_NE(cover.find("Ufficio al 2° piano"), std::string::npos) << cover;
    const std::string contents = Capture("pdftotext -f 2 -l 2 " + Quote(pdf) + " -");
    EXPECT_NE(contents.find("Contents"), std::string::npos) << contents;
    EXPECT_NE(contents.find("Project summary"), std::string::npos) << contents;
    const std::string third = Capture("pdftotext -f 3 -l 3 " + Quote(pdf) + " -");
    EXPECT_NE(third.find("Project summary"), std::string::npos) << third;
    EXPECT_NE(third.find("Page 1"), std::string::npos) << third;

    // One PNG per printed page, the whole A4 paper at 30 dpi.
    for (int n = 1; n <= count; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "page-%03d.png", n);
        const std::string png = pngDir + "/" + name;
        ASSERT_TRUE(fs::exists(png)) << png;
        const std::string header = ReadFile(png).substr(16, 8);
        ASSERT_EQ(header.size(), 8u);
        auto be32 = [&](std::size_t at) {
            return (static_cast<unsigned char>(header[at]) << 24) |
                   (static_cast<unsigned char>(header[at + 1]) << 16) |
                   (static_cast<unsigned char>(header[at + 2]) << 8) |
                   static_cast<unsigned char>(header[at + 3]);
        };
        EXPECT_EQ(be32(0), 248u) << png;
        EXPECT_EQ(be32(4), 351u) << png;
    }
    EXPECT_FALSE(fs::exists(pngDir + "/page-" + std::to_string(count + 1) + ".png"));
}

TEST_F(Export, TicksAndThePrintLanguageApplyToThisRunOnly) {
    const std::string iniBefore = ReadFile(demo.orvIni());
    // Unticking the views chapter drops its pieces; the cover can be dropped by type.
    QJsonObject dump = dumpPages({"--deselect", "2,10"});
    std::vector<std::string> texts = AllTexts(dump);
    EXPECT_FALSE(Contains(texts, "Views"));
    EXPECT_FALSE(Contains(texts, "2.1    Plan view"));
    EXPECT_TRUE(Contains(texts, "1.  Project summary"));
    // Screenshot 0 alone of its chapter, in Italian.
    dump = dumpPages({"-lastCfg", "--select", "5,26:0", "--print-language", "6"});
    texts = AllTexts(dump);
    EXPECT_TRUE(Contains(texts, "Pagina 1"));
    EXPECT_TRUE(Contains(texts, "Indice") || !Contains(texts, "Contents"));
    EXPECT_FALSE(Contains(texts, "1.  Riepilogo progetto"));
    EXPECT_EQ(ReadFile(demo.orvIni()), iniBefore) << "headless runs never write the settings";
}

TEST_F(Export, TheUnitSystemAppliesToThisRunOnly) {
    const std::string iniBefore = ReadFile(demo.orvIni());
    // The street project's spacing of 30.48 m is 100 ft; its lanes of 3.048 m are 10 ft.
    std::vector<std::string> texts = AllTexts(dumpPages({"--units", "imperial"}, "street"));
    EXPECT_TRUE(Contains(texts, "100.00"));
    EXPECT_TRUE(Contains(texts, "10.00"));
    EXPECT_TRUE(Contains(texts, "[ft]"));
    EXPECT_FALSE(Contains(texts, "30.48"));
    for (const std::vector<std::string>& metric :
         {std::vector<std::string>{}, std::vector<std::string>{"--units=Metric"}}) {
        texts = AllTexts(dumpPages(metric, "street"));
        EXPECT_TRUE(Contains(texts, "30.48"));
        EXPECT_TRUE(Contains(texts, "[m]"));
        EXPECT_FALSE(Contains(texts, "[ft]"));
    }
    // Illuminances of the indoor project in foot-candles.
    texts = AllTexts(dumpPages({"--units", "imperial"}, "indoor"));
    EXPECT_TRUE(Contains(texts, "[fc]"));
    EXPECT_EQ(ReadFile(demo.orvIni()), iniBefore) << "headless runs never write the settings";
    const RunResult result = run({"--units", "yards", "--dump-pages", demo.dir.file("p.json")});
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.errors.find("--units takes metric or imperial, not 'yards'"),
              std::string::npos)
        << result.errors;
}

TEST_F(Export, UnusableOptionsAndOutputsAreReported) {
    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string message;
    };
    const std::string pdf = demo.dir.file("r.pdf");
    const Case cases[] = {
        {{"--paper", "B5", "--export-pdf", pdf}, 2, "unknown paper 'B5'"},
        {{"--dpi", "abc", "--export-png", demo.dir.file("p")}, 2, "--dpi"},
        {{"--dpi", "5000", "--export-png", demo.dir.file("p")}, 2, "--dpi"},
        {{"--select", "2:x", "--export-pdf", pdf}, 2, "'2:x' is not TYPE or TYPE:ELEMENTID"},
        {{"--print-language", "99", "--export-pdf", pdf}, 1, "Print language 99"},
        {{"--export-pdf", demo.dir.file("no/such/dir/r.pdf")}, 1, "no/such/dir/r.pdf"},
        {{"--export-png", demo.dir.file("suite/INSTALL.INI")}, 1, "INSTALL.INI"},
    };
    for (const Case& c : cases) {
        const RunResult result = run(c.arguments);
        EXPECT_EQ(result.status, c.status) << c.message << ": " << result.errors;
        EXPECT_NE(result.errors.find(c.message), std::string::npos) << result.errors;
    }
    // A project that cannot be read still prints its cover and index, and says so.
    const RunResult result = RunProgram(
        {"--suite", demo.suite(), "--export-pdf", pdf, demo.dir.file("nope.xml")}, demo.dir);
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.errors.find("nope.xml"), std::string::npos) << result.errors;
}

// An EMF header (and its end record) whose frame is empty.
std::string EmptyFrameEmf() {
    std::string bytes(88 + 20, '\0');
    auto put = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    put(0, 1);           // EMR_HEADER
    put(4, 88);          // its size
    put(40, 0x464D4520); // " EMF"
    put(44, 0x10000);
    put(48, static_cast<std::uint32_t>(bytes.size()));
    put(52, 2);
    put(88, 14); // EMR_EOF
    put(92, 20);
    return bytes;
}

TEST_F(Export, BrokenPicturesAreReportedAndLeaveTheirPagesEmpty) {
    const std::string folder = demo.dir.file("broken");
    demo.dir.write("broken/empty.png", "");
    demo.dir.write("broken/truncated.png",
                   ReadFile(demo.dir.file("projects/road/PlantView.png")).substr(0, 200));
    demo.dir.write("broken/corrupt.jpg",
                   std::string("\xFF\xD8\xFF\xE0garbage garbage garbage", 27));
    demo.dir.write("broken/empty-frame.emf", EmptyFrameEmf());
    demo.dir.write("broken/huge.png", test::ZeroPng::Make(30000, 30000, 1));
    auto view = [](const std::string& key, const std::string& file) {
        return "<PrintElement class=\"" + key + "\" id=\"0\"><CustomClassData><Image><Path>" +
               file + "</Path></Image></CustomClassData></PrintElement>";
    };
    const std::string project = demo.dir.write(
        "broken/broken.xml",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Zentyra><AvailableElementsList>" +
            view("class_plantView", "empty.png") + view("class_lateralView", "truncated.png") +
            view("class_frontView", "corrupt.jpg") + view("class_labelsView", "empty-frame.emf") +
            "<PrintElement class=\"class_screenShot\" id=\"0\"><CustomClassData><Filename>huge.png"
            "</Filename></CustomClassData></PrintElement></AvailableElementsList></Zentyra>\n");
    const std::string pdf = demo.dir.file("broken.pdf");
    const std::string pages = demo.dir.file("broken.json");
    const RunResult result = RunProgram(
        {"--suite", demo.suite(), "--export-pdf", pdf, "--dump-pages", pages, project}, demo.dir);
    ASSERT_EQ(result.status, 0) << result.errors;
    // Five picture pages, the cover and the contents.
    const QJsonArray dumped = ReadJson(pages)["pages"].toArray();
    EXPECT_EQ(dumped.size(), 7);
    const std::string info = Capture("pdfinfo " + Quote(pdf));
    EXPECT_NE(info.find("Pages:           7"), std::string::npos) << info;
    // The empty file and the empty frame never reach a page; the others are reported when they
    // cannot be drawn.
    std::vector<std::string> files;
    for (const QJsonValue& page : dumped)
        for (const QJsonValue& op : page["ops"].toArray())
            if (op["op"].toString() == "image")
                files.push_back(fs::path(op["file"].toString().toStdString()).filename().string());
    EXPECT_EQ(std::count(files.begin(), files.end(), "empty.png"), 0);
    EXPECT_EQ(std::count(files.begin(), files.end(), "empty-frame.emf"), 0);
    for (const std::string name :
         {"empty.png", "truncated.png", "corrupt.jpg", "empty-frame.emf", "huge.png"})
        EXPECT_NE(result.errors.find(name), std::string::npos) << name << ": " << result.errors;
}

TEST_F(Export, AMetafileViewIsPlayedIntoThePdfWithItsTextAsText) {
    fs::copy_file(fs::path(ZENTYRA_TEST_DATA) / "emf/libreoffice-drawing.emf",
                  demo.dir.file("projects/road/Plan.EMF"));
    std::string xml = ReadFile(demo.project("road"));
    const std::string plan = "<Path>PlantView.png</Path>";
    ASSERT_NE(xml.find(plan), std::string::npos);
    xml.replace(xml.find(plan), plan.size(), "<Path>Plan.EMF</Path>");
    TempDir::WriteFile(demo.project("road"), xml);

    const std::string pdf = demo.dir.file("road.pdf");
    const std::string pages = demo.dir.file("pages.json");
    const RunResult result = run({"--export-pdf", pdf, "--dump-pages", pages});
    ASSERT_EQ(result.status, 0) << result.errors;
    const QJsonObject dump = ReadJson(pages);
    int printed = 0; // the plan view's place in print order
    const std::vector<int> order = Ints(dump["printOrder"]);
    for (std::size_t n = 0; n < order.size(); ++n) {
        const QJsonObject page = dump["pages"].toArray()[order[n] - 1].toObject();
        for (const QJsonValue& op : page["ops"].toArray())
            if (op["kind"].toString() == "metafile") {
                EXPECT_TRUE(op["file"].toString().endsWith("Plan.EMF"));
                // The frame's proportions, centred in the box under the title.
                EXPECT_EQ(Ints(op["box"]), (std::vector<int>{150, 633, 2000, 2769}));
                printed = static_cast<int>(n) + 1;
            }
    }
    ASSERT_GT(printed, 0);
    const std::string text = Capture("pdftotext -f " + std::to_string(printed) + " -l " +
                                     std::to_string(printed) + " " + Quote(pdf) + " -");
    EXPECT_NE(text.find("Zentyra 42"), std::string::npos) << text;
}

} // namespace
} // namespace zentyra
