#pragma once
// The program's two typefaces under their Windows names, "ＭＳ ゴシック"
// (fixed pitch) and "ＭＳ Ｐゴシック" (proportional). Neither exists on
// Linux; registerFontSubstitutes maps them to the metric-compatible IPA
// fonts, so every font the windows, the drawing layouts and the command
// line name by these families draws in IPA.

#include <QFont>
#include <QString>
#include <string_view>

namespace vantor {

// The family names in UTF-8, as drawing operations carry them.
inline constexpr std::string_view kGothicFamily = "ＭＳ ゴシック";
inline constexpr std::string_view kPGothicFamily = "ＭＳ Ｐゴシック";

QString gothicFamily();
QString pGothicFamily();

// Call once, after the application object exists and before anything is drawn.
void registerFontSubstitutes();

// A font of the family in pixels, as the windows give their sizes.
QFont gothicFont(int pixelSize, bool bold = false);
QFont pGothicFont(int pixelSize, bool bold = false);

}  // namespace vantor
