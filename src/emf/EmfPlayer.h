#pragma once
// Plays the records of a loaded metafile onto a QPainter. It keeps a device context the way GDI
// does (mapping mode, window and viewport, world transform, selected objects, clip, path) and
// turns each drawing record into QPainter calls in the painter's coordinates, so that raster
// and PDF output come from the same calls and text stays text.
#include "emf/EmfObjects.h"
#include "emf/EmfRecord.h"

#include <QImage>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QTransform>

#include <cstdint>
#include <optional>
#include <vector>

class QFont;
class QPainter;
class QPen;
class QBrush;

namespace zentyra::emf {

// Whether the player reads records of this type (and so Load validates them).
bool IsPlayedRecordType(std::uint32_t type);

class Player {
public:
    // Maps the document's frame onto target, given in the painter's current coordinates.
    Player(const Document& document, QPainter& painter, const QRectF& target);
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    void Play();

private:
    struct DcState {
        std::uint32_t mapMode = 1; // MM_TEXT
        QPointF windowOrigin;
        QPointF viewportOrigin;
        QSizeF windowExtent{1, 1};
        QSizeF viewportExtent{1, 1};
        QTransform world;
        PenSpec pen;
        BrushSpec brush;
        FontSpec font;
        QColor textColor = Qt::black;
        QColor backgroundColor = Qt::white;
        bool backgroundOpaque = true;
        std::uint32_t textAlign = 0;
        Qt::FillRule fillRule = Qt::OddEvenFill;
        bool arcsClockwise = false;
        double miterLimit = 10;
        std::uint32_t stretchMode = 1;
        QPointF currentPosition;          // logical units
        std::optional<QPainterPath> clip; // reference-device pixels; none means unclipped
    };

    struct TextRun {
        QPointF reference;
        QString text;
        std::vector<quint32> glyphs;  // ETO_GLYPH_INDEX: glyph indexes instead of text
        std::vector<double> advances; // logical units, one per UTF-16 unit or glyph; may be empty
        std::uint32_t options = 0;
        std::optional<QRectF> rect;
        bool advancedGraphics = false; // GM_ADVANCED: glyphs follow the whole transform
    };

    struct BitmapDraw {
        QImage image;
        QRectF source;      // image pixels
        QRectF destination; // logical units; negative sizes mirror
        std::uint32_t rop = 0;
    };

    // A bitmap drawn with the SRCPAINT half of a mask pair, held back until the SRCAND half
    // arrives so that the two can be drawn as one image with alpha.
    struct PendingMask {
        BitmapDraw mask;
        QTransform logicalToDevice;
    };

    void Dispatch(const Record& record);
    bool DispatchState(const Record& record);
    bool DispatchClip(const Record& record);
    bool DispatchDrawing(const Record& record);
    bool DispatchPath(const Record& record);

    // Mapping
    QTransform PageToDevice() const;
    QTransform LogicalToDevice() const { return dc_.world * PageToDevice(); }
    QTransform LogicalToPainter() const { return LogicalToDevice() * deviceToTarget_ * base_; }
    void SetMapMode(std::uint32_t mode);
    void SetExtent(QSizeF& extent, std::int32_t cx, std::int32_t cy);
    void ScaleExtent(QSizeF& extent, const Record& record);
    void SetWorld(const QTransform& world);
    void ModifyWorld(const Record& record);
    void SaveDc();
    void RestoreDc(std::int32_t which);

    // Objects
    void CreateObject(const Record& record);
    void SelectObject(std::uint32_t index);
    void DeleteObject(std::uint32_t index);
    QPen MakePen(const QTransform& logicalToDevice, const QRectF& logicalBounds) const;
    QBrush MakeBrush(const BrushSpec& brush, const QTransform& logicalToDevice) const;

    // Clipping
    void CombineClip(QPainterPath deviceArea, std::uint32_t mode);
    QPainterPath LogicalRectToDevice(const QRectF& rect) const;
    QPainterPath RegionToPath(const Record& record, std::uint64_t offset,
                              std::uint32_t dataSize) const;
    void ApplyClip();

    // Shapes and paths
    bool PrepareDrawing(const QTransform& logicalToPainter);
    QPainterPath UniverseIn(const QTransform& logicalToDevice) const;
    void FillArea(QPainterPath area, const QBrush& brush, const QTransform& logicalToDevice);
    void StrokeArea(const QPainterPath& path, const QPen& pen, const QTransform& logicalToDevice);
    void DrawPath(QPainterPath logical, bool fill, bool stroke);
    void FillWithBrush(QPainterPath logical, const BrushSpec& brush);
    void AddFigure(const QPainterPath& logical, bool closed);
    void ContinueFigure(const QPainterPath& logicalFromCurrent);
    void DrawPolyRecord(const Record& record);
    void DrawPolyPolyRecord(const Record& record);
    void DrawPolyDraw(const Record& record, bool sixteenBit);
    void DrawArcRecord(const Record& record);
    void DrawAngleArc(const Record& record);
    void DrawGradient(const Record& record);
    void StrokeAndFillCurrentPath(bool fill, bool stroke);
    QPainterPath ArcPath(const QRectF& box, QPointF start, QPointF end, std::uint32_t type) const;

    // Text
    std::optional<TextRun> ReadTextRun(const Record& record) const;
    void DrawTextRun(const TextRun& run);
    QFont ResolveFont(double& emSize) const;
    void FillTextBackground(const TextRun& run, const QTransform& textToPainter,
                            const QRectF& cell);
    void DrawTextGlyphs(const TextRun& run, const QFont& font, const std::vector<double>& x,
                        double baseline, double textWidth);

    // Bitmaps
    void DrawBitmapRecord(const Record& record);
    void DrawBitmap(BitmapDraw draw);
    void FillDestination(const QRectF& logical, std::uint32_t rop);
    void FlushPendingMask();

    const Document& document_;
    QPainter& painter_;
    QRectF target_;
    QTransform base_;           // the painter's transform when Play starts
    QTransform deviceToTarget_; // reference-device pixels to target coordinates
    QRectF deviceUniverse_;     // far beyond the frame, for clips that exclude from "everything"

    DcState dc_;
    std::vector<DcState> saved_;
    std::vector<GdiObject> objects_;
    bool clipDirty_ = true;

    bool inPath_ = false;
    bool figureOpen_ = false;
    QPainterPath path_; // reference-device pixels

    std::optional<PendingMask> pendingMask_;
};

} // namespace zentyra::emf
