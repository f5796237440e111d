#include "shell/sjis_items.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>

#include "text/qt_text.h"

namespace vantor {
namespace {

constexpr int kSjisRole = Qt::UserRole;
constexpr const char* kSjisProperty = "sjis";

SjisString bytesOf(const QVariant& data) { return SjisString::fromBytes(data.toByteArray().toStdString()); }

}  // namespace

void setItems(QComboBox& box, const std::vector<SjisString>& items) {
    const QSignalBlocker block(box);
    box.clear();
    for (const auto& item : items) box.addItem(toQString(item), QByteArray::fromStdString(item.bytes()));
}

void setItems(QListWidget& list, const std::vector<SjisString>& items) {
    const QSignalBlocker block(list);
    list.clear();
    for (const auto& item : items) {
        auto* entry = new QListWidgetItem(toQString(item), &list);
        entry->setData(kSjisRole, QByteArray::fromStdString(item.bytes()));
    }
}

std::vector<SjisString> allSjis(const QComboBox& box) {
    std::vector<SjisString> items;
    for (int i = 0; i < box.count(); ++i) items.push_back(bytesOf(box.itemData(i, kSjisRole)));
    return items;
}

SjisString currentSjis(const QComboBox& box) { return bytesOf(box.currentData(kSjisRole)); }

SjisString currentSjis(const QListWidget& list) {
    const QListWidgetItem* item = list.currentItem();
    return item ? bytesOf(item->data(kSjisRole)) : SjisString();
}

SjisString itemSjis(const QModelIndex& index) { return bytesOf(index.data(kSjisRole)); }

void setSjisText(QLabel& label, SjisView sjis) {
    label.setProperty(kSjisProperty, QByteArray(sjis.data(), static_cast<qsizetype>(sjis.size())));
    label.setText(toQString(sjis));
}

SjisString labelSjis(const QLabel& label) { return bytesOf(label.property(kSjisProperty)); }

}  // namespace vantor
