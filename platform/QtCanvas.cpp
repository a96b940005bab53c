#include "QtCanvas.h"

#include <QPaintEngine>
#include <QPainter>
#include <cstdlib>

#include "Text.h"

namespace platform {
namespace {

QPainter::CompositionMode ToQt(RasterOp op) {
    switch (op) {
        case RasterOp::And:
            return QPainter::RasterOp_SourceAndDestination;
        case RasterOp::Or:
            return QPainter::RasterOp_SourceOrDestination;
        case RasterOp::Copy:
            break;
    }
    return QPainter::CompositionMode_SourceOver;
}

bool IsRaster(const QPainter& painter) {
    return painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster;
}

QRect ToQRect(const Rect& rect) { return QRect(rect.Left, rect.Top, rect.Width(), rect.Height()); }

// GDI draws a shape's outline inside its rectangle and leaves the right and bottom edges
// out; Qt's aliased outline of a w x h rectangle covers w + 1 pixels.
QRect ShapeRect(const Rect& rect) {
    return QRect(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1);
}

}  // namespace

std::unique_ptr<Canvas> BitmapCanvas(Bitmap& bitmap) { return std::make_unique<QtCanvas>(bitmap); }

QtCanvas::QtCanvas(Bitmap& bitmap) : QtCanvas(static_cast<QPaintDevice&>(bitmap.ToQImage())) {}

QtCanvas::QtCanvas(QPaintDevice& device)
    : ownPainter_(std::make_unique<QPainter>(&device)),
      painter_(ownPainter_.get()),
      raster_(IsRaster(*painter_)),
      monochrome_(device.depth() == 1) {}

QtCanvas::QtCanvas(QPainter& painter, bool monochrome)
    : painter_(&painter), raster_(IsRaster(painter)), monochrome_(monochrome) {}

QtCanvas::~QtCanvas() { Flush(); }

QTransform QtCanvas::Mapping() const {
    const double sx = static_cast<double>(GetViewportExt().cx) / GetWindowExt().cx;
    const double sy = static_cast<double>(GetViewportExt().cy) / GetWindowExt().cy;
    return QTransform(sx, 0, 0, sy, -GetWindowOrg().x * sx, -GetWindowOrg().y * sy);
}

QPainter& QtCanvas::Prepared() {
    Flush();
    painter_->setWorldTransform(Mapping());
    return *painter_;
}

const QFontMetrics& QtCanvas::Metrics() {
    if (fontSerial_ != FontSerial()) {
        qfont_ = GetFont().ToQFont();
        metrics_.emplace(qfont_);
        fontSerial_ = FontSerial();
    }
    return *metrics_;
}

void QtCanvas::SetShapePenAndBrush(QPainter& painter) const {
    if (pen.Style == PenStyle::Clear)
        painter.setPen(Qt::NoPen);
    else
        painter.setPen(QPen(ToQColor(pen.Color), pen.Width));
    if (brush.Style == BrushStyle::Clear)
        painter.setBrush(Qt::NoBrush);
    else
        painter.setBrush(ToQColor(brush.Color));
}

void QtCanvas::LineTo(int x, int y) {
    QPainter& painter = Prepared();
    const Point from = PenPos();
    MoveTo(x, y);
    const int dx = x - from.x, dy = y - from.y;
    const int steps = std::max(std::abs(dx), std::abs(dy));
    if (pen.Style == PenStyle::Clear || steps == 0) return;
    // One step short along the longer axis leaves the end point out, as GDI does.
    const QPoint end(from.x + qRound(dx * (steps - 1.0) / steps),
                     from.y + qRound(dy * (steps - 1.0) / steps));
    painter.setPen(QPen(ToQColor(pen.Color), pen.Width));
    painter.drawLine(QPoint(from.x, from.y), end);
}

void QtCanvas::Rectangle(const Rect& rect) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    QPainter& painter = Prepared();
    SetShapePenAndBrush(painter);
    painter.drawRect(ShapeRect(rect));
}

void QtCanvas::Ellipse(const Rect& rect) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    QPainter& painter = Prepared();
    SetShapePenAndBrush(painter);
    painter.drawEllipse(ShapeRect(rect));
}

void QtCanvas::FillRect(const Rect& rect) {
    if (brush.Style == BrushStyle::Clear) return;
    Prepared().fillRect(ToQRect(rect), ToQColor(brush.Color));
}

void QtCanvas::FillRegion(const Region& region) {
    if (brush.Style == BrushStyle::Clear) return;
    QPainter& painter = Prepared();
    for (const QRect& rect : region.ToQRegion()) painter.fillRect(rect, ToQColor(brush.Color));
}

void QtCanvas::DrawText(int x, int y, std::string_view text) {
    QPainter& painter = Prepared();
    const QFontMetrics& metrics = Metrics();
    const QString string = ToQString(text);
    const int top = GetTextAlign() == TextAlign::Top ? y : y - metrics.ascent();
    if (GetBkMode() == BkMode::Opaque)
        painter.fillRect(QRect(x, top, metrics.horizontalAdvance(string), metrics.height()),
                         ToQColor(brush.Color));
    painter.setFont(qfont_);
    painter.setPen(ToQColor(GetFont().Color()));
    painter.drawText(QPoint(x, top + metrics.ascent()), string);
}

void QtCanvas::TextOut(int x, int y, std::string_view text) { DrawText(x, y, text); }

void QtCanvas::TextRect(const Rect& clip, int x, int y, std::string_view text) {
    QPainter& painter = Prepared();
    painter.save();
    painter.setClipRect(ToQRect(clip), painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    DrawText(x, y, text);
    painter.restore();
}

Size QtCanvas::TextExtent(std::string_view text) {
    const QFontMetrics& metrics = Metrics();
    return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

TextMetric QtCanvas::GetTextMetrics() {
    const QFontMetrics& metrics = Metrics();
    TextMetric metric;
    metric.tmAscent = metrics.ascent();
    metric.tmDescent = metrics.descent();
    metric.tmHeight = metric.tmAscent + metric.tmDescent;
    metric.tmExternalLeading = std::max(0, metrics.leading());
    metric.tmAveCharWidth = metrics.averageCharWidth();
    return metric;
}

void QtCanvas::SelectClipRegion(const Region& region) {
    Flush();
    clip_ = region;
    painter_->setWorldTransform(QTransform());
    painter_->setClipRegion(region.ToQRegion());
}

void QtCanvas::RemoveClipRegion() {
    Flush();
    clip_.reset();
    painter_->setClipping(false);
}

Rect QtCanvas::ClipRect() {
    const QPaintDevice* device = painter_->device();
    QRect visible(0, 0, device->width(), device->height());
    if (clip_) visible = clip_->ToQRegion().intersected(visible).boundingRect();
    const QRect logical = Mapping().inverted().mapRect(visible);
    return {logical.x(), logical.y(), logical.x() + logical.width(),
            logical.y() + logical.height()};
}

void QtCanvas::StretchDraw(const Rect& dest, const Bitmap& picture, RasterOp op) {
    if (dest.Width() <= 0 || dest.Height() <= 0 || picture.Empty()) return;
    if (!raster_) return ComposeInLayer(dest, picture, op);
    QPainter& painter = Prepared();
    painter.setCompositionMode(ToQt(op));
    painter.drawImage(ToQRect(dest), picture.ToQImage());
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void QtCanvas::ComposeInLayer(const Rect& dest, const Bitmap& picture, RasterOp op) {
    const QRect device = Mapping().mapRect(ToQRect(dest));
    if (!layer_ || layer_->device != device) {
        Flush();
        if (!AcceptablePictureSize(device.width(), device.height())) return;
        layer_ = Layer{device, QImage(device.size(), QImage::Format_RGB32)};
        layer_->image.fill(Qt::white);
    }
    QPainter composer(&layer_->image);
    composer.setCompositionMode(ToQt(op));
    composer.drawImage(layer_->image.rect(), picture.ToQImage());
}

void QtCanvas::Flush() {
    if (!layer_) return;
    painter_->setWorldTransform(QTransform());
    painter_->drawImage(layer_->device.topLeft(), layer_->image);
    layer_.reset();
}

}  // namespace platform
