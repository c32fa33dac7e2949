#pragma once
// Enhanced-metafile pictures: the header frame, record validation and a player that draws the
// records onto any QPainter. The layout only needs the frame; replay plays the records.
#include <QRectF>

#include <memory>
#include <optional>
#include <string>

class QPainter;

namespace zentyra {

namespace emf {
struct Document;
} // namespace emf

// rclFrame of the header, in 0.01 mm, as the file stores it (inclusive bounds).
struct EmfFrame {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class EmfPicture {
public:
    // Reads the file and validates the header and the record chain. On failure returns
    // nullopt and, when error is given, a message naming the file and the problem.
    static std::optional<EmfPicture> Load(const std::string& path, std::string* error = nullptr);
    // Only the header frame, without reading the records (cheap; used by the layout).
    static std::optional<EmfFrame> ReadFrame(const std::string& path, std::string* error = nullptr);

    const EmfFrame& frame() const { return frame_; }

    // Plays the records so that the frame maps onto target (in the painter's current
    // coordinates). Leaves the painter's state as it found it.
    void Play(QPainter& painter, const QRectF& target) const;

private:
    EmfPicture() = default;
    // Shared and immutable, so that copies of a picture are cheap.
    std::shared_ptr<const emf::Document> document_;
    EmfFrame frame_;
};

} // namespace zentyra
