#pragma once
// A drawing surface with the semantics of a GDI device context, the only way the HTML engine
// draws or measures: a selected font, pen and brush; text at its cell top or at its baseline,
// over a transparent or an opaque background; lines, rectangles, ellipses and fills; regions;
// a clip region; a window origin and the anisotropic mapping that printing uses; stretched
// pictures with the copy, AND and OR raster operations.
//
// Coordinates are logical: device = (logical - window origin) * viewport extent / window
// extent. Rectangles exclude their right and bottom edges, as in GDI.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "Bitmap.h"
#include "Color.h"
#include "Font.h"
#include "Region.h"

namespace platform {

struct Rect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const Rect&) const = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    bool operator==(const Size&) const = default;
};

enum class PenStyle : std::uint8_t { Solid, Clear };
struct Pen {
    TColor Color = clBlack;
    int Width = 1;
    PenStyle Style = PenStyle::Solid;
    bool operator==(const Pen&) const = default;
};

enum class BrushStyle : std::uint8_t { Solid, Clear };
struct Brush {
    TColor Color = clWhite;
    BrushStyle Style = BrushStyle::Solid;
    bool operator==(const Brush&) const = default;
};

// Where TextOut's y lies: at the top of the character cell or on the baseline (x is always
// the left end).
enum class TextAlign : std::uint8_t { Top, Baseline };
// Opaque text first fills its cell (extent x tmHeight) with the brush colour.
enum class BkMode : std::uint8_t { Transparent, Opaque };
// SRCCOPY, SRCAND and SRCPAINT.
enum class RasterOp : std::uint8_t { Copy, And, Or };

struct TextMetric {
    int tmHeight = 0;  // tmAscent + tmDescent
    int tmAscent = 0;
    int tmDescent = 0;
    int tmExternalLeading = 0;
    int tmAveCharWidth = 0;
    int tmOverhang = 0;  // always 0: our faces have real bold and italic variants
};

class Canvas {
  public:
    Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    virtual ~Canvas() = default;

    // The selected pen and brush: every drawing call reads them as they are then.
    Pen pen;
    Brush brush;

    // Selects a copy of font (its change notification stays with the original).
    void SetFont(const Font& font);
    void SetFontColor(TColor color);
    const Font& GetFont() const { return font_; }

    void SetTextAlign(TextAlign align) { textAlign_ = align; }
    TextAlign GetTextAlign() const { return textAlign_; }
    void SetBkMode(BkMode mode) { bkMode_ = mode; }
    BkMode GetBkMode() const { return bkMode_; }

    // The logical point that appears at the device's top left.
    void SetWindowOrg(int x, int y) { windowOrg_ = {x, y}; }
    Point GetWindowOrg() const { return windowOrg_; }
    // The anisotropic mapping: window extent logical units become viewport extent pixels.
    void SetMapping(Size windowExt, Size viewportExt);
    // Back to one logical unit per device pixel.
    void ResetMapping() { SetMapping({1, 1}, {1, 1}); }
    Size GetWindowExt() const { return windowExt_; }
    Size GetViewportExt() const { return viewportExt_; }

    // The current position that LineTo draws from.
    void MoveTo(int x, int y) { penPos_ = {x, y}; }
    Point PenPos() const { return penPos_; }

    // From the current position to (x, y) with the pen, the end point left out; then moves
    // there.
    virtual void LineTo(int x, int y) = 0;
    // Outlined with the pen inside the rectangle, filled with the brush.
    virtual void Rectangle(const Rect& rect) = 0;
    // The ellipse inscribed in rect, outlined with the pen and filled with the brush.
    virtual void Ellipse(const Rect& rect) = 0;
    // Filled with the brush colour; the pen is not used.
    virtual void FillRect(const Rect& rect) = 0;
    virtual void FillRegion(const Region& region) = 0;

    // Windows-1252 text in the selected font and its colour, aligned as SetTextAlign says.
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    // As TextOut, but nothing outside clip is drawn.
    virtual void TextRect(const Rect& clip, int x, int y, std::string_view text) = 0;
    // Width of the whole text and tmHeight of the selected font.
    virtual Size TextExtent(std::string_view text) = 0;
    virtual TextMetric GetTextMetrics() = 0;
    int TextWidth(std::string_view text) { return TextExtent(text).cx; }

    // The clip region, in device pixels (as SelectClipRgn takes it); it replaces any other.
    virtual void SelectClipRegion(const Region& region) = 0;
    virtual void RemoveClipRegion() = 0;
    // What can be drawn on, in logical coordinates: the device within the clip region.
    virtual Rect ClipRect() = 0;

    // The whole picture stretched onto dest. A monochrome picture gives white for 1 and
    // black for 0, which AND and OR then combine with what is there.
    virtual void StretchDraw(const Rect& dest, const Bitmap& picture, RasterOp op) = 0;
    // One plane of one bit per pixel: a monochrome bitmap or printer.
    virtual bool IsMonochrome() const = 0;

  protected:
    // Grows with every font selection, so that a canvas can keep what it made of the font.
    int FontSerial() const { return fontSerial_; }

  private:
    Font font_;
    int fontSerial_ = 0;
    TextAlign textAlign_ = TextAlign::Top;
    BkMode bkMode_ = BkMode::Opaque;
    Point windowOrg_{0, 0};
    Size windowExt_{1, 1};
    Size viewportExt_{1, 1};
    Point penPos_{0, 0};
};

// A canvas that draws on bitmap, as a memory device context with the bitmap selected.
std::unique_ptr<Canvas> BitmapCanvas(Bitmap& bitmap);

}  // namespace platform
