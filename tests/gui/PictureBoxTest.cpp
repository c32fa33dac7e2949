#include "gui/CPictureBox.h"

#include "../support/TempDir.h"

#include <QImage>
#include <QUrl>

#include <gtest/gtest.h>

namespace zentyra::test {
namespace {

class PictureBoxTest : public ::testing::Test {
protected:
    std::string Picture(const std::string& name, int width, int height) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::red);
        const std::string path = dir.file(name);
        image.save(QString::fromStdString(path));
        return path;
    }
    TempDir dir;
    CPictureBox box;
};

TEST_F(PictureBoxTest, FittedByDefaultATallPictureFillsTheHeightCentred) {
    box.resize(300, 200);
    EXPECT_EQ(box.drawMode(), CPictureBox::Fitted);
    ASSERT_TRUE(box.LoadPicture(QString::fromStdString(Picture("tall.png", 20, 100))));
    EXPECT_EQ(box.PictureRect(), QRect(130, 0, 40, 200));
}

TEST_F(PictureBoxTest, TheOtherDrawModes) {
    box.resize(300, 200);
    ASSERT_TRUE(box.LoadPicture(QString::fromStdString(Picture("small.png", 51, 31))));
    box.setDrawMode(CPictureBox::NaturalTopLeft);
    EXPECT_EQ(box.PictureRect(), QRect(0, 0, 51, 31));
    box.setDrawMode(CPictureBox::NaturalCentred);
    EXPECT_EQ(box.PictureRect(), QRect(150 - 25, 100 - 15, 51, 31));
    box.setDrawMode(CPictureBox::Stretched);
    EXPECT_EQ(box.PictureRect(), QRect(0, 0, 300, 200));
    // Painting in every mode draws without complaint.
    for (const int mode : {0, 1, 2, 3}) {
        box.setDrawMode(mode);
        EXPECT_FALSE(box.grab().isNull());
    }
}

TEST_F(PictureBoxTest, AFileThatCannotBeReadLeavesTheBoxEmpty) {
    ASSERT_TRUE(box.LoadPicture(QString::fromStdString(Picture("good.png", 10, 10))));
    for (const std::string& bad :
         {dir.write("notes.txt", "just some text"), dir.write("broken.png", "\x89PNG\r\n\x1a\nxx"),
          dir.write("broken.emf", "not a metafile"), dir.file("missing.bmp"), std::string()}) {
        EXPECT_FALSE(box.LoadPicture(QString::fromStdString(bad))) << bad;
        EXPECT_TRUE(box.path().isEmpty()) << bad;
        EXPECT_FALSE(box.hasPicture()) << bad;
        EXPECT_TRUE(box.PictureRect().isNull()) << bad;
    }
}

TEST_F(PictureBoxTest, OnlyTheFirstDroppedFileCounts) {
    const std::string first = Picture("first.png", 10, 10);
    EXPECT_TRUE(
        box.DropFiles({QUrl::fromLocalFile(QString::fromStdString(first)),
                       QUrl::fromLocalFile(QString::fromStdString(Picture("second.png", 10, 10))),
                       QUrl::fromLocalFile(QString::fromStdString(Picture("third.png", 10, 10)))}));
    EXPECT_EQ(box.path().toStdString(), first);
    EXPECT_TRUE(box.acceptDrops());
    // A dropped file that is no picture empties the box, as any failed load does.
    EXPECT_TRUE(
        box.DropFiles({QUrl::fromLocalFile(QString::fromStdString(dir.write("a.txt", "text")))}));
    EXPECT_FALSE(box.hasPicture());
    EXPECT_FALSE(box.DropFiles({QUrl(QStringLiteral("https://example.invalid/a.png"))}));
}

} // namespace
} // namespace zentyra::test
