#include "Canvas.h"

namespace platform {

void Canvas::SetFont(const Font& font) {
    font_.Assign(font);
    ++fontSerial_;
}

// The colour is no part of what a canvas makes of a font.
void Canvas::SetFontColor(TColor color) { font_.SetColor(color); }

void Canvas::SetMapping(Size windowExt, Size viewportExt) {
    // GDI refuses a zero extent and keeps the mapping it has.
    if (windowExt.cx == 0 || windowExt.cy == 0 || viewportExt.cx == 0 || viewportExt.cy == 0)
        return;
    windowExt_ = windowExt;
    viewportExt_ = viewportExt;
}

}  // namespace platform
