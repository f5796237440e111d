#pragma once
// Text measuring without fonts: every byte half an em wide, lines one em
// high, in the list's units (a point is 254/72 page units).

#include "painting/text_measure.h"

namespace vantor::test {

class FixedMeasure final : public draw::TextMeasure {
public:
    int lineHeight(const draw::Font& font) const override { return font.size * 254 / 72; }
    int textWidth(const draw::Font& font, SjisView text) const override {
        return static_cast<int>(text.size()) * font.size * 127 / 72;
    }
};

}  // namespace vantor::test
