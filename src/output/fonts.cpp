#include "shell/fonts.h"

namespace vantor {
namespace {

QFont pixelFont(const QString& family, int pixelSize, bool bold) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace

QString gothicFamily() { return QStringLiteral("ＭＳ ゴシック"); }

QString pGothicFamily() { return QStringLiteral("ＭＳ Ｐゴシック"); }

void registerFontSubstitutes() {
    QFont::insertSubstitution(gothicFamily(), QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(pGothicFamily(), QStringLiteral("IPAPGothic"));
}

QFont gothicFont(int pixelSize, bool bold) { return pixelFont(gothicFamily(), pixelSize, bold); }

QFont pGothicFont(int pixelSize, bool bold) { return pixelFont(pGothicFamily(), pixelSize, bold); }

}  // namespace vantor
