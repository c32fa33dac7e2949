// Batch export: one PDF per project into one folder, a line per project on standard error,
// success only when every project was written.
#include "HeadlessTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zentyra {
namespace {

using namespace test;

int PdfPages(const std::string& pdf) {
    const std::string info = Capture("pdfinfo " + Quote(pdf) + " 2>/dev/null");
    const std::size_t at = info.find("Pages:");
    return at == std::string::npos ? 0 : std::stoi(info.substr(at + 6));
}

TEST(BatchExport, WritesEveryProjectAndSaysWhichWereNot) {
    DemoCopy demo;
    const std::string out = demo.dir.file("out/pdfs"); // created on the way
    const std::string broken = demo.dir.write("broken/broken.xml", "<Zentyra><Proj");
    const std::string other = demo.dir.write("other/road.xml", ReadFile(demo.project("road")));
    const RunResult run = RunProgram({"--suite", demo.suite(), "--out-dir", out,
                                      demo.project("road"), demo.project("indoor"), broken, other},
                                     demo.dir);
    EXPECT_EQ(run.status, 1) << run.errors;
    EXPECT_GT(PdfPages(out + "/road.pdf"), 3);
    EXPECT_GT(PdfPages(out + "/indoor.pdf"), 3);
    EXPECT_NE(run.errors.find(demo.project("road") + ": wrote " + out + "/road.pdf ("),
              std::string::npos)
        << run.errors;
    EXPECT_NE(run.errors.find(broken + ": not written: the project file could not be loaded"),
              std::string::npos)
        << run.errors;
    // The second road.xml must not overwrite the first one's PDF.
    EXPECT_NE(run.errors.find(other + ": not written: " + out +
                              "/road.pdf was written for an earlier project of the same name"),
              std::string::npos)
        << run.errors;

    const RunResult good =
        RunProgram({"--suite", demo.suite(), "--out-dir", out, demo.project("indoor")}, demo.dir);
    EXPECT_EQ(good.status, 0) << good.errors;
}

TEST(BatchExport, UnusableCombinationsAreRefusedBeforeAnyWork) {
    DemoCopy demo;
    const std::vector<std::vector<std::string>> cases = {
        {"--out-dir", demo.dir.file("o"), "--export-pdf", demo.dir.file("x.pdf"),
         demo.project("road")},
        {"--out-dir", demo.dir.file("o"), "--dump-pages", "-", demo.project("road")},
        {"--export-pdf", demo.dir.file("x.pdf"), demo.project("road"), demo.project("indoor")},
        {"--out-dir", demo.dir.file("o")},
        {"--out-dir", demo.dir.file("o"), "--print", demo.project("road")},
    };
    for (std::vector<std::string> arguments : cases) {
        arguments.insert(arguments.begin(), {"--suite", demo.suite()});
        const RunResult run = RunProgram(arguments, demo.dir);
        EXPECT_EQ(run.status, 2) << run.errors;
    }
    EXPECT_FALSE(fs::exists(demo.dir.file("o")));
    EXPECT_FALSE(fs::exists(demo.dir.file("x.pdf")));
}

} // namespace
} // namespace zentyra
