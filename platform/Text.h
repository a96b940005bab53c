#pragma once
// The texts of our windows and files are single-byte Windows-1252; Qt speaks UTF-16.
// These convert at the widget and font boundary.
#include <QString>
#include <string>
#include <string_view>

namespace platform {

QString ToQString(std::string_view cp1252);
// Characters outside Windows-1252 become '?'.
std::string FromQString(const QString& text);
// For texts written in our UTF-8 sources ("Øst", "høyt").
std::string FromUtf8(std::string_view utf8);

// Delphi's Trim: removes spaces and control characters (codes up to 32) at both ends.
std::string Trim(std::string_view text);

}  // namespace platform
