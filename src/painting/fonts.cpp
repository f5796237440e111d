#include "painting/fonts.h"

namespace vantor {
namespace {

QFont pixelFont(const QString& family, int pixelSize, bool bold) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QString family(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

}  // namespace

QString gothicFamily() { return family(kGothicFamily); }

QString pGothicFamily() { return family(kPGothicFamily); }

void registerFontSubstitutes() {
    QFont::insertSubstitution(gothicFamily(), QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(pGothicFamily(), QStringLiteral("IPAPGothic"));
}

QFont gothicFont(int pixelSize, bool bold) { return pixelFont(gothicFamily(), pixelSize, bold); }

QFont pGothicFont(int pixelSize, bool bold) { return pixelFont(pGothicFamily(), pixelSize, bold); }

}  // namespace vantor
