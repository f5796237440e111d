#include "painting/career_grid_layout.h"

#include "painting/cell_canvas.h"

namespace vantor::views {

draw::Ops careerGridCell(int row, SjisView text, bool numeric, CareerBand band, const card::CellBox& box,
                         const draw::Font& gridFont) {
    constexpr int kInset = 3;
    draw::CellCanvas c(box.width, box.height, gridFont, draw::kBlack);
    if (row == 0) {
        c.fill(card::kSilver);
        c.textOut((box.width - c.widthOf(text)) / 2, 2, text);
        return c.take();
    }
    c.fill(band == CareerBand::chosen ? kChosenBand : band == CareerBand::later ? kLaterBand : draw::kWhite);
    c.textOut(numeric ? box.width - box.gridLine - kInset - c.widthOf(text) : kInset, 2, text);
    return c.take();
}

}  // namespace vantor::views
