#include "painting/renderer.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <array>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "painting/text_measure.h"
#include "text/qt_text.h"

namespace vantor::draw {
namespace {

QColor toQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

// A layout measures its texts and the renderer then draws them: both take
// the one conversion of each text, remembered for the texts met last.
QString shownText(SjisView sjis) {
    struct Converted {
        SjisString sjis;
        QString text;
    };
    thread_local std::array<Converted, 32> recent;
    thread_local std::size_t next = 0;
    for (const Converted& c : recent)
        if (c.sjis == sjis) return c.text;
    Converted& c = recent[next];
    next = (next + 1) % recent.size();
    c.sjis.assign(sjis);
    c.text = toQString(sjis);
    return c.text;
}

struct Glyph {
    quint32 index = 0;  // 0: the font has no glyph for the character
    qreal advance = 0;
};

// A font as Qt draws and measures it. Resolving a family and making its
// metrics is far too slow to repeat for every text of a grid, and the
// layouts use a handful of fonts, so each is resolved once per thread,
// and each character's glyph looked up once per font.
struct ResolvedFont {
    Font key;
    QFont font;
    QFontMetrics metrics;
    QRawFont raw;
    int emHeight;
    std::unordered_map<char16_t, Glyph> glyphs;

    const Glyph& glyphOf(QChar c) {
        auto [it, added] = glyphs.try_emplace(c.unicode());
        if (added) {
            const QList<quint32> index = raw.glyphIndexesForString(QString(c));
            if (!index.isEmpty() && index.front() != 0)
                it->second = {index.front(), raw.advancesForGlyphIndexes(index).value(0).x()};
        }
        return it->second;
    }
};

ResolvedFont& resolved(const Font& font) {
    thread_local std::vector<std::unique_ptr<ResolvedFont>> fonts;
    for (const auto& r : fonts)
        if (r->key == font) return *r;
    const QFont qfont = toQFont(font);
    fonts.push_back(std::make_unique<ResolvedFont>(
        ResolvedFont{font, qfont, QFontMetrics(qfont), QRawFont::fromFont(qfont), QFontInfo(qfont).pixelSize(), {}}));
    return *fonts.back();
}

// Text set as its characters' glyphs side by side. The layouts' fonts are
// gothics without kerning or ligatures for these texts, so this draws what
// the text shaper would, without its cost, which is most of a grid's
// painting time. Nothing when the font lacks a character: Qt's own text
// drawing then finds it in another font.
struct GlyphText {
    QGlyphRun run;
    qreal width = 0;
};

std::optional<GlyphText> glyphText(ResolvedFont& font, const QString& text) {
    QList<quint32> indexes;
    QList<QPointF> positions;
    indexes.reserve(text.size());
    positions.reserve(text.size());
    qreal x = 0;
    for (const QChar c : text) {
        const Glyph& glyph = font.glyphOf(c);
        if (glyph.index == 0) return std::nullopt;
        indexes.append(glyph.index);
        positions.append(QPointF(x, 0));
        x += glyph.advance;
    }
    GlyphText out;
    out.run.setRawFont(font.raw);
    out.run.setGlyphIndexes(indexes);
    out.run.setPositions(positions);
    out.run.setUnderline(font.key.underline);
    out.width = x;
    return out;
}

int widthOf(ResolvedFont& font, const QString& text) {
    qreal width = 0;
    for (const QChar c : text) {
        const Glyph& glyph = font.glyphOf(c);
        if (glyph.index == 0) return font.metrics.horizontalAdvance(text);
        width += glyph.advance;
    }
    return qRound(width);
}

// The resolution page text is set at before it is scaled to the painter's:
// the PDF's, where it is drawn unscaled.
constexpr double kTextDotsPerInch = 600;

// Where a list lands on the painter: list units to painter coordinates.
struct Mapping {
    Unit unit = Unit::screenPixel;
    QPointF origin;
    double scale = 1;        // painter pixels per list unit
    double fontScale = 1;    // painter pixels per font size unit
    int penDotsPerInch = 0;  // pages: the resolution pen widths are scaled for
    double penScale = 1;     // pages: painter pixels per dot of that resolution
    double textScale = 1;    // pages: painter pixels per pixel of the text's font

    QPointF at(int x, int y) const { return origin + QPointF(x * scale, y * scale); }
    double penWidth(int width) const {
        return unit == Unit::page ? ScaledPenWidth(width, penDotsPerInch) * penScale : width;
    }
    Font deviceFont(const Font& font) const {
        Font device = font;
        device.size = unit == Unit::page ? qMax(1, qRound(font.size * fontScale)) : font.size;
        return device;
    }
};

struct Player {
    QPainter& p;
    const Mapping& m;

    void operator()(const Fill& f) const {
        if (m.unit == Unit::screenPixel) {
            p.fillRect(QRect(m.at(f.x, f.y).toPoint(), QSize(f.w, f.h)), toQColor(f.color));
            return;
        }
        p.fillRect(QRectF(m.at(f.x, f.y), m.at(f.x + f.w, f.y + f.h)), toQColor(f.color));
    }
    void operator()(const Text& t) const {
        ResolvedFont& font = resolved(m.deviceFont(t.font));
        const QString text = shownText(t.text);
        const std::optional<GlyphText> glyphs = glyphText(font, text);
        const QPointF topLeft = m.at(t.x, t.y);
        if (t.background) {
            const qreal width = glyphs ? glyphs->width : font.metrics.horizontalAdvance(text);
            p.fillRect(QRectF(topLeft, QSizeF(qRound(width), font.emHeight)), toQColor(*t.background));
        }
        p.setPen(toQColor(t.color));
        // Page text is set at the reference resolution and scaled to the
        // painter's, so that its width keeps its proportion to the page at
        // any scale instead of following the rounding of small pixel sizes.
        const bool scaled = m.textScale != 1;
        if (scaled) {
            p.save();
            p.translate(topLeft);
            p.scale(m.textScale, m.textScale);
        }
        const QPointF baseline = (scaled ? QPointF() : topLeft) + QPointF(0, font.metrics.ascent());
        if (glyphs) {
            p.drawGlyphRun(baseline, glyphs->run);
        } else {
            p.setFont(font.font);
            p.drawText(baseline, text);
        }
        if (scaled) p.restore();
    }
    void operator()(const Line& l) const {
        p.setPen(QPen(toQColor(l.color), m.penWidth(l.width)));
        p.drawLine(QLineF(m.at(l.x1, l.y1), m.at(l.x2, l.y2)));
    }
    void operator()(const Frame& f) const {
        p.setPen(QPen(toQColor(f.color), m.penWidth(f.width)));
        p.setBrush(Qt::NoBrush);
        if (m.unit == Unit::screenPixel)
            p.drawRect(QRect(m.at(f.x, f.y).toPoint(), QSize(f.w - 1, f.h - 1)));
        else
            p.drawRect(QRectF(m.at(f.x, f.y), m.at(f.x + f.w, f.y + f.h)));
    }
};

void play(QPainter& painter, const Ops& ops, const Mapping& mapping) {
    painter.save();
    const Player player{painter, mapping};
    for (const Op& op : ops) std::visit(player, op);
    painter.restore();
}

}  // namespace

QFont toQFont(const Font& font) {
    QFont f(QString::fromStdString(font.family));
    f.setPixelSize(font.size);
    f.setBold(font.bold);
    f.setUnderline(font.underline);
    return f;
}

void render(QPainter& painter, const Ops& ops, QPoint origin) { play(painter, ops, Mapping{.origin = origin}); }

void paintPage(QPainter& painter, const Page& page, const PageScale& scale) {
    const double dotsPerUnit = scale.dotsPerInch / 254.0;
    play(painter, page.ops,
         Mapping{Unit::page, scale.origin, dotsPerUnit, kTextDotsPerInch / 72.0, scale.penDotsPerInch,
                 scale.dotsPerInch / scale.penDotsPerInch, scale.dotsPerInch / kTextDotsPerInch});
}

int ScaledPenWidth(int tenthsOfScreenPixel, int dotsPerInch) {
    return qMax(1, qRound(tenthsOfScreenPixel * dotsPerInch / (kScreenDotsPerInch * 10.0)));
}

namespace {

class ScreenMeasure final : public TextMeasure {
public:
    // The em height the font engine resolves. The layouts' line offsets were
    // made for the Windows gothic fonts, whose ascent and descent add up to
    // exactly their em height; the IPA fonts that stand in for them add about
    // 8 % of line spacing, which would push the last line of a card row out of
    // its cell.
    int lineHeight(const Font& font) const override { return resolved(font).emHeight; }
    int textWidth(const Font& font, SjisView text) const override { return widthOf(resolved(font), shownText(text)); }
};

}  // namespace

const TextMeasure& screenMeasure() {
    static const ScreenMeasure measure;
    return measure;
}

// Fonts resolved at the printer's pixel size; results back in page units.
int PrinterMeasure::lineHeight(const Font& font) const {
    const Mapping m{Unit::page, {}, 1, dotsPerInch_ / 72.0};
    return qRound(resolved(m.deviceFont(font)).emHeight * 254.0 / dotsPerInch_);
}

int PrinterMeasure::textWidth(const Font& font, SjisView text) const {
    const Mapping m{Unit::page, {}, 1, dotsPerInch_ / 72.0};
    return qRound(widthOf(resolved(m.deviceFont(font)), shownText(text)) * 254.0 / dotsPerInch_);
}

}  // namespace vantor::draw
