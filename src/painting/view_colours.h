#pragma once
// Colours of the analysis grids: the desktop's own, which the window reads
// from its palette, and the fixed fills of the list columns.

#include "painting/draw_ops.h"

namespace vantor::views {

struct ViewColours {
    draw::Rgb infoBackground{255, 255, 225};  // the tooltip background
    draw::Rgb buttonFace{240, 240, 240};      // the fill of fixed cells
    draw::Rgb window{255, 255, 255};          // the fill of other cells
};

inline constexpr draw::Rgb kLightCyan{206, 255, 255};
inline constexpr draw::Rgb kLightGreen{185, 255, 185};

}  // namespace vantor::views
