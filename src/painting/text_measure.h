#pragma once
// Text measuring for layouts that place text after text. Layouts take the
// measure as an argument, so a test can hand them fixed metrics and needs
// no screen or font.

#include "painting/draw_ops.h"

namespace vantor::draw {

class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    // The height of a line of the font: what layouts step by between lines.
    virtual int lineHeight(const Font& font) const = 0;
    virtual int textWidth(const Font& font, SjisView text) const = 0;
};

// Screen lists: fonts in pixels, measured by the fonts Qt resolves.
const TextMeasure& screenMeasure();

// Pages: fonts in points, measured as a printer of dotsPerInch sets them,
// in page units.
class PrinterMeasure final : public TextMeasure {
public:
    explicit PrinterMeasure(int dotsPerInch) : dotsPerInch_(dotsPerInch) {}
    int lineHeight(const Font& font) const override;
    int textWidth(const Font& font, SjisView text) const override;

private:
    int dotsPerInch_;
};

}  // namespace vantor::draw
