#pragma once
// The cover picture of the side bar: shows one picture file and remembers which file it came
// from. Clicks are passed on (the side bar offers a file dialog); a dropped file replaces the
// picture. A file that cannot be read leaves the box empty, without a message.
#include <QFrame>
#include <QImage>
#include <QList>
#include <QString>
#include <QUrl>

#include <memory>

namespace zentyra {
class EmfPicture;
}

class CPictureBox : public QFrame {
    Q_OBJECT
public:
    enum DrawMode {
        NaturalTopLeft = 0,
        NaturalCentred = 1,
        Stretched = 2,
        Fitted = 3,
    };
    explicit CPictureBox(QWidget* parent = nullptr);
    ~CPictureBox() override;

    // Replaces the picture; false, and the box empty, when the file cannot be read.
    bool LoadPicture(const QString& path);
    void RemovePicture();
    // The file of the picture shown; empty exactly when there is none.
    const QString& path() const { return path_; }
    bool hasPicture() const { return !path_.isEmpty(); }
    QSize pictureSize() const { return naturalSize_; }

    // Files dropped on the box: the first one is loaded. False when it is not a local file.
    bool DropFiles(const QList<QUrl>& files);

    int drawMode() const { return drawMode_; }
    void setDrawMode(int mode);
    // Where the picture goes in the box in the current draw mode (empty without one).
    QRect PictureRect() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QImage image_;
    std::shared_ptr<const zentyra::EmfPicture> metafile_;
    QSize naturalSize_;
    int drawMode_ = Fitted;
    QString path_;
};
