#pragma once
// A canvas for layout and painting tests: it draws nothing, measures every font with fixed
// metrics and records every call with the canvas state in force, so that a test states exact
// pixels whatever fonts the machine has.
//
// The metrics follow the selected font's pixel height h (MulDiv(points, 96, 72)): every
// character is h / 2 wide (at least 1), tmDescent = h / 4, tmAscent = h - tmDescent,
// tmHeight = h, tmExternalLeading = h / 8, tmOverhang = 0. A 12-point font: 8 wide, 16 high
// (ascent 12, descent 4), leading 2; a 10-point font: 6 wide, 13 high (10, 3), leading 1.
#include <optional>
#include <string>
#include <vector>

#include "Canvas.h"

namespace platform {

struct RecordedCall {
    enum class Kind {
        LineTo,
        Rectangle,
        Ellipse,
        FillRect,
        FillRegion,
        TextOut,
        TextRect,
        TextExtent,
        TextMetrics,
        SelectClipRegion,
        RemoveClipRegion,
        StretchDraw,
    };
    Kind kind;
    Point from{0, 0};   // LineTo: the pen position it started at
    Point point{0, 0};  // LineTo: the end; TextOut, TextRect: x and y
    Rect rect;          // the shape, the text's clip, the picture's destination
    std::string text;
    Region region;  // FillRegion, SelectClipRegion
    Size pictureSize;
    bool pictureMonochrome = false;
    RasterOp op = RasterOp::Copy;
    // The state the call saw.
    Font font;
    Pen pen;
    Brush brush;
    TextAlign textAlign = TextAlign::Top;
    BkMode bkMode = BkMode::Opaque;
    Point windowOrg{0, 0};
    Size windowExt;
    Size viewportExt;
};

// "TextOut 10,20 "abc"", "LineTo 0,5-9,5", "StretchDraw 0,0-4,4 2x2 And" and so on.
std::string Describe(const RecordedCall& call);

class RecordingCanvas : public Canvas {
  public:
    std::vector<RecordedCall> calls;
    bool monochrome = false;
    // The device, in device pixels.
    Rect device{0, 0, 1000, 1000};

    // The calls that draw or change the clip, described; measurements are left out.
    std::vector<std::string> Drawing() const;

    void LineTo(int x, int y) override;
    void Rectangle(const Rect& rect) override { Record(RecordedCall::Kind::Rectangle).rect = rect; }
    void Ellipse(const Rect& rect) override { Record(RecordedCall::Kind::Ellipse).rect = rect; }
    void FillRect(const Rect& rect) override { Record(RecordedCall::Kind::FillRect).rect = rect; }
    void FillRegion(const Region& region) override;
    void TextOut(int x, int y, std::string_view text) override;
    void TextRect(const Rect& clip, int x, int y, std::string_view text) override;
    Size TextExtent(std::string_view text) override;
    TextMetric GetTextMetrics() override;
    void SelectClipRegion(const Region& region) override;
    void RemoveClipRegion() override;
    Rect ClipRect() override;
    void StretchDraw(const Rect& dest, const Bitmap& picture, RasterOp op) override;
    bool IsMonochrome() const override { return monochrome; }

  private:
    RecordedCall& Record(RecordedCall::Kind kind);
    std::optional<Region> clip_;
};

}  // namespace platform
