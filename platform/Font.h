#pragma once
// A font as our documents describe it: a face, a size in points, a style set, a colour and a
// character set. Layouts are designed at 96 pixels per inch, so the character height in pixels
// is MulDiv(points, 96, 72) whatever the device.
#include <cstdint>
#include <functional>
#include <string>

#include "Color.h"

class QFont;

namespace platform {

enum FontStyle : std::uint8_t {
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};
using FontStyles = std::uint8_t;

constexpr std::uint8_t DEFAULT_CHARSET = 1;

class Font {
  public:
    Font() = default;
    // A copy takes the attributes, not the change notification: that belongs to the owner.
    Font(const Font& other);
    Font& operator=(const Font& other);
    virtual ~Font() = default;

    // Takes every attribute of source and notifies once; a font class with more attributes
    // extends it.
    virtual void Assign(const Font& source);

    const std::string& Name() const { return name_; }
    int Size() const { return size_; }
    // The character height in pixels.
    int Height() const;
    FontStyles Style() const { return style_; }
    TColor Color() const { return color_; }
    std::uint8_t Charset() const { return charset_; }

    void SetName(const std::string& name);
    void SetSize(int points);
    void SetStyle(FontStyles style);
    void SetColor(TColor color);
    void SetCharset(std::uint8_t charset);

    // Called after every change of an attribute (not when a setter keeps the value).
    std::function<void()> OnChange;

    // The face is Windows-1252 and a Windows face name ("Arial"); its stand-in is chosen here.
    QFont ToQFont() const;

  private:
    template <class T>
    void Change(T& field, const T& value);
    void CopyAttributes(const Font& other);

    std::string name_ = "MS Sans Serif";
    int size_ = 8;
    FontStyles style_ = 0;
    TColor color_ = clWindowText;
    std::uint8_t charset_ = DEFAULT_CHARSET;
};

}  // namespace platform
