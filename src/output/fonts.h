#pragma once
// The program's two typefaces under their Windows names, "ＭＳ ゴシック"
// (fixed pitch) and "ＭＳ Ｐゴシック" (proportional). Neither exists on
// Linux; registerFontSubstitutes maps them to the metric-compatible IPA
// fonts, so every font the windows name by these families draws in IPA.

#include <QFont>
#include <QString>

namespace vantor {

QString gothicFamily();
QString pGothicFamily();

// Call once, after the application object exists and before any window.
void registerFontSubstitutes();

// A font of the family in pixels, as the windows give their sizes.
QFont gothicFont(int pixelSize, bool bold = false);
QFont pGothicFont(int pixelSize, bool bold = false);

}  // namespace vantor
