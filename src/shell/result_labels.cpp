#include "shell/result_labels.h"

#include <QLabel>

#include "components/label3d.h"
#include "painting/fonts.h"

namespace vantor {
namespace {

struct ResultBlock {
    const char* name;
    int top;  // of the block name; the rows follow 12, 27 and 42 pixels lower
    int entries;
};

constexpr ResultBlock kBlocks[] = {
    {"単勝", 8, 3}, {"複勝", 74, 5}, {"枠連", 138, 3}, {"馬連", 204, 3}, {"ﾜｲﾄﾞ", 268, 7},
};

struct ResultRow {
    const char* caption;
    QColor colour;
};

const ResultRow kRows[] = {
    {"結果：", QColor(250, 205, 209)},
    {"人気：", QColor(255, 255, 142)},
    {"配当：", QColor(205, 243, 243)},
};

constexpr int kFirstRowOffset = 12;
constexpr int kRowPitch = 15;
constexpr int kFirstEntryLeft = 49;
constexpr int kEntryPitch = 64;
constexpr int kValueWidth = 60;
constexpr int kValueHeight = 15;

QLabel* caption(QWidget& sheet, const char* text, const QFont& font, int left, int top, int height) {
    auto* label = new QLabel(QString::fromUtf8(text), &sheet);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setGeometry(left, top, label->sizeHint().width(), height);
    return label;
}

ui::TLabel3D* valueLabel(QWidget& sheet, const QColor& colour, int left, int top) {
    auto* label = new ui::TLabel3D(&sheet);
    label->setGeometry(left, top, kValueWidth, kValueHeight);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(gothicFont(12, true));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setColor(colour);
    return label;
}

}  // namespace

std::vector<ui::TLabel3D*> buildResultLabels(QWidget& sheet) {
    std::vector<ui::TLabel3D*> labels;
    for (const ResultBlock& block : kBlocks) {
        QFont heading = gothicFont(12, true);
        heading.setUnderline(true);
        caption(sheet, block.name, heading, 14, block.top, kFirstRowOffset);
        for (int row = 0; row < 3; ++row) {
            caption(sheet, kRows[row].caption, gothicFont(12), 13, block.top + kFirstRowOffset + row * kRowPitch,
                    kValueHeight);
        }
        for (int entry = 0; entry < block.entries; ++entry) {
            for (int row = 0; row < 3; ++row) {
                labels.push_back(valueLabel(sheet, kRows[row].colour, kFirstEntryLeft + entry * kEntryPitch,
                                            block.top + kFirstRowOffset + row * kRowPitch));
            }
        }
    }
    return labels;
}

}  // namespace vantor
