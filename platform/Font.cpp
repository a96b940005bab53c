#include "Font.h"

#include <QFont>

#include "Controls.h"
#include "Numbers.h"
#include "Screen.h"
#include "Text.h"

namespace platform {

Font::Font(const Font& other) { CopyAttributes(other); }

Font& Font::operator=(const Font& other) {
    if (this != &other) Assign(other);
    return *this;
}

void Font::CopyAttributes(const Font& other) {
    name_ = other.name_;
    size_ = other.size_;
    style_ = other.style_;
    color_ = other.color_;
    charset_ = other.charset_;
}

void Font::Assign(const Font& source) {
    CopyAttributes(source);
    if (OnChange) OnChange();
}

int Font::Height() const { return MulDiv(size_, kPixelsPerInch, 72); }

template <class T>
void Font::Change(T& field, const T& value) {
    if (field == value) return;
    field = value;
    if (OnChange) OnChange();
}

void Font::SetName(const std::string& name) { Change(name_, name); }
void Font::SetSize(int points) { Change(size_, points); }
void Font::SetStyle(FontStyles style) { Change(style_, style); }
void Font::SetColor(TColor color) { Change(color_, color); }
void Font::SetCharset(std::uint8_t charset) { Change(charset_, charset); }

QFont Font::ToQFont() const {
    QFont font = MakeFont("", Height(), (style_ & fsBold) != 0);
    font.setFamily(ToQString(name_));
    font.setItalic((style_ & fsItalic) != 0);
    font.setUnderline((style_ & fsUnderline) != 0);
    font.setStrikeOut((style_ & fsStrikeOut) != 0);
    return font;
}

}  // namespace platform
