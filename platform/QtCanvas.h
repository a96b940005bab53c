#pragma once
// The canvas on Qt: on a bitmap, on a widget inside its paint event, on a printer or on any
// other paint device. The AND and OR raster operations exist only on Qt's raster engine
// (images and widgets); on other devices (a printer, a PDF) the pictures stretched onto one
// place are composed in an off-screen image, starting from white paper, and that image is
// drawn when anything else is drawn, at Flush, or when the canvas goes.
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QTransform>
#include <memory>
#include <optional>

#include "Canvas.h"

class QPaintDevice;
class QPainter;

namespace platform {

class QtCanvas : public Canvas {
  public:
    explicit QtCanvas(Bitmap& bitmap);
    explicit QtCanvas(QPaintDevice& device);
    // Draws with a painter that its owner keeps active (a printer across its pages); monochrome
    // says what IsMonochrome answers, since a printer's colour mode is its owner's knowledge.
    QtCanvas(QPainter& painter, bool monochrome);
    ~QtCanvas() override;

    // Draws the pictures composed for a non-raster device now (before a new page).
    void Flush();

    void LineTo(int x, int y) override;
    void Rectangle(const Rect& rect) override;
    void Ellipse(const Rect& rect) override;
    void FillRect(const Rect& rect) override;
    void FillRegion(const Region& region) override;
    void TextOut(int x, int y, std::string_view text) override;
    void TextRect(const Rect& clip, int x, int y, std::string_view text) override;
    Size TextExtent(std::string_view text) override;
    TextMetric GetTextMetrics() override;
    void SelectClipRegion(const Region& region) override;
    void RemoveClipRegion() override;
    Rect ClipRect() override;
    void StretchDraw(const Rect& dest, const Bitmap& picture, RasterOp op) override;
    bool IsMonochrome() const override { return monochrome_; }

  private:
    // Pictures stretched onto one device rectangle of a non-raster device, composed so far.
    struct Layer {
        QRect device;
        QImage image;
    };

    QPainter& Prepared();
    QTransform Mapping() const;
    const QFontMetrics& Metrics();
    void DrawText(int x, int y, std::string_view text);
    void SetShapePenAndBrush(QPainter& painter) const;
    void ComposeInLayer(const Rect& dest, const Bitmap& picture, RasterOp op);

    std::unique_ptr<QPainter> ownPainter_;
    QPainter* painter_;
    bool raster_;
    bool monochrome_;
    std::optional<Region> clip_;
    int fontSerial_ = -1;
    QFont qfont_;
    std::optional<QFontMetrics> metrics_;
    std::optional<Layer> layer_;
};

}  // namespace platform
