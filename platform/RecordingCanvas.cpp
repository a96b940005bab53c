#include "RecordingCanvas.h"

#include <QRect>
#include <algorithm>

namespace platform {
namespace {

using Kind = RecordedCall::Kind;

std::string PointText(Point point) {
    return std::to_string(point.x) + "," + std::to_string(point.y);
}

std::string RectText(const Rect& rect) {
    return PointText({rect.Left, rect.Top}) + "-" + PointText({rect.Right, rect.Bottom});
}

Rect Bounds(const Region& region) {
    const QRect bounds = region.ToQRegion().boundingRect();
    return {bounds.x(), bounds.y(), bounds.x() + bounds.width(), bounds.y() + bounds.height()};
}

const char* OpText(RasterOp op) {
    switch (op) {
        case RasterOp::And:
            return "And";
        case RasterOp::Or:
            return "Or";
        case RasterOp::Copy:
            break;
    }
    return "Copy";
}

}  // namespace

std::string Describe(const RecordedCall& call) {
    switch (call.kind) {
        case Kind::LineTo:
            return "LineTo " + PointText(call.from) + "-" + PointText(call.point);
        case Kind::Rectangle:
            return "Rectangle " + RectText(call.rect);
        case Kind::Ellipse:
            return "Ellipse " + RectText(call.rect);
        case Kind::FillRect:
            return "FillRect " + RectText(call.rect);
        case Kind::FillRegion:
            return "FillRegion " + RectText(call.rect);
        case Kind::TextOut:
            return "TextOut " + PointText(call.point) + " \"" + call.text + "\"";
        case Kind::TextRect:
            return "TextRect " + RectText(call.rect) + " " + PointText(call.point) + " \"" +
                   call.text + "\"";
        case Kind::TextExtent:
            return "TextExtent \"" + call.text + "\"";
        case Kind::TextMetrics:
            return "TextMetrics";
        case Kind::SelectClipRegion:
            return "SelectClipRegion " + RectText(call.rect);
        case Kind::RemoveClipRegion:
            return "RemoveClipRegion";
        case Kind::StretchDraw:
            return "StretchDraw " + RectText(call.rect) + " " +
                   std::to_string(call.pictureSize.cx) + "x" + std::to_string(call.pictureSize.cy) +
                   " " + OpText(call.op);
    }
    return {};
}

std::vector<std::string> RecordingCanvas::Drawing() const {
    std::vector<std::string> drawing;
    for (const RecordedCall& call : calls)
        if (call.kind != Kind::TextExtent && call.kind != Kind::TextMetrics)
            drawing.push_back(Describe(call));
    return drawing;
}

RecordedCall& RecordingCanvas::Record(RecordedCall::Kind kind) {
    RecordedCall& call = calls.emplace_back();
    call.kind = kind;
    call.font = GetFont();
    call.pen = pen;
    call.brush = brush;
    call.textAlign = GetTextAlign();
    call.bkMode = GetBkMode();
    call.windowOrg = GetWindowOrg();
    call.windowExt = GetWindowExt();
    call.viewportExt = GetViewportExt();
    return call;
}

void RecordingCanvas::LineTo(int x, int y) {
    RecordedCall& call = Record(Kind::LineTo);
    call.from = PenPos();
    call.point = {x, y};
    MoveTo(x, y);
}

void RecordingCanvas::FillRegion(const Region& region) {
    RecordedCall& call = Record(Kind::FillRegion);
    call.region = region;
    call.rect = Bounds(region);
}

void RecordingCanvas::TextOut(int x, int y, std::string_view text) {
    RecordedCall& call = Record(Kind::TextOut);
    call.point = {x, y};
    call.text = text;
}

void RecordingCanvas::TextRect(const Rect& clip, int x, int y, std::string_view text) {
    RecordedCall& call = Record(Kind::TextRect);
    call.rect = clip;
    call.point = {x, y};
    call.text = text;
}

Size RecordingCanvas::TextExtent(std::string_view text) {
    Record(Kind::TextExtent).text = text;
    const int height = GetFont().Height();
    return {static_cast<int>(text.size()) * std::max(1, height / 2), height};
}

TextMetric RecordingCanvas::GetTextMetrics() {
    Record(Kind::TextMetrics);
    const int height = GetFont().Height();
    TextMetric metric;
    metric.tmHeight = height;
    metric.tmDescent = height / 4;
    metric.tmAscent = height - metric.tmDescent;
    metric.tmExternalLeading = height / 8;
    metric.tmAveCharWidth = std::max(1, height / 2);
    return metric;
}

void RecordingCanvas::SelectClipRegion(const Region& region) {
    RecordedCall& call = Record(Kind::SelectClipRegion);
    call.region = region;
    call.rect = Bounds(region);
    clip_ = region;
}

void RecordingCanvas::RemoveClipRegion() {
    Record(Kind::RemoveClipRegion);
    clip_.reset();
}

Rect RecordingCanvas::ClipRect() {
    const Rect visible = clip_ ? Bounds(clip_->Intersected(Region::Rectangle(
                                     device.Left, device.Top, device.Right, device.Bottom)))
                               : device;
    // The inverse of the mapping: logical = device * window extent / viewport extent + origin.
    auto logicalX = [&](int x) {
        return x * GetWindowExt().cx / GetViewportExt().cx + GetWindowOrg().x;
    };
    auto logicalY = [&](int y) {
        return y * GetWindowExt().cy / GetViewportExt().cy + GetWindowOrg().y;
    };
    return {logicalX(visible.Left), logicalY(visible.Top), logicalX(visible.Right),
            logicalY(visible.Bottom)};
}

void RecordingCanvas::StretchDraw(const Rect& dest, const Bitmap& picture, RasterOp op) {
    RecordedCall& call = Record(Kind::StretchDraw);
    call.rect = dest;
    call.pictureSize = {picture.Width(), picture.Height()};
    call.pictureMonochrome = picture.IsMonochrome();
    call.op = op;
}

}  // namespace platform
