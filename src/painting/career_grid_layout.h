#pragma once
// The career view's grids drawn from their cell texts: the header row
// silver and centred, numbers right-aligned and other texts left-aligned,
// the chosen race's run on a band of its own and the runs after it (when
// an old day was chosen) on another, so that they read as later.

#include "painting/card_style.h"
#include "painting/draw_ops.h"

namespace vantor::views {

enum class CareerBand { none, chosen, later };

inline constexpr draw::Rgb kChosenBand{255, 236, 150};
inline constexpr draw::Rgb kLaterBand{226, 226, 226};

draw::Ops careerGridCell(int row, SjisView text, bool numeric, CareerBand band, const card::CellBox& box,
                         const draw::Font& gridFont);

}  // namespace vantor::views
