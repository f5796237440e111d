#include "painting/list_grid_layout.h"

#include "painting/bracket_colours.h"

namespace vantor::views {
namespace {

// Where the lists' texts start: as the grid draws a cell of its own.
constexpr int kTextInset = 2;

draw::Rgb fillOf(ListFill fill, SjisView text, const ViewColours& colours) {
    switch (fill) {
        case ListFill::info:
            return colours.infoBackground;
        case ListFill::bracket:
            return draw::bracketColour(lenientInt(text)).value_or(colours.window);
        case ListFill::lightCyan:
            return kLightCyan;
        case ListFill::lightGreen:
            return kLightGreen;
        case ListFill::white:
            break;
    }
    return draw::kWhite;
}

}  // namespace

const ListGridStyle& signGridStyle() {
    using enum ListFill;
    static const ListGridStyle style{{bracket}, {info},  {white}, {lightCyan},   {lightCyan},  {white, true},
                                     {white},   {white}, {white}, {white, true}, {lightGreen}, {lightGreen}};
    return style;
}

const ListGridStyle& horseSearchGridStyle() {
    using enum ListFill;
    static const ListGridStyle style{{info},        {bracket},    {info},       {white},     {white},
                                     {white, true}, {lightGreen}, {lightGreen}, {lightGreen}};
    return style;
}

const ListGridStyle& searchListGridStyle() {
    using enum ListFill;
    static const ListGridStyle style{{info},  {bracket},     {info},       {lightCyan},  {white},
                                     {white}, {white, true}, {lightGreen}, {lightGreen}, {lightGreen}};
    return style;
}

draw::Ops listGridCell(const ListGridStyle& style, int col, int row, SjisView text, const card::CellBox& box,
                       const draw::Font& gridFont, const ViewColours& colours) {
    const ListColumn column =
        col >= 0 && col < static_cast<int>(style.size()) ? style[static_cast<std::size_t>(col)] : ListColumn{};
    const bool header = row == 0;
    draw::CellCanvas c(box.width, box.height, gridFont, draw::kBlack);
    c.fill(header ? card::kSilver : fillOf(column.fill, text, colours));
    const int x = !header && column.leftAligned ? kTextInset : (box.width - c.widthOf(text)) / 2;
    c.textOut(x, kTextInset, text);
    return c.take();
}

}  // namespace vantor::views
