#pragma once
// Drop-down and list items and labels made from Shift-JIS texts. Each
// keeps its bytes beside the text it shows, so that handlers compare and
// copy exactly what the core gave instead of a text converted there and
// back (CP932 has two codes for some characters).

#include <vector>

#include "text/sjis.h"

class QComboBox;
class QLabel;
class QListWidget;
class QModelIndex;

namespace vantor {

// Replaces the items without reporting a change.
void setItems(QComboBox& box, const std::vector<SjisString>& items);
void setItems(QListWidget& list, const std::vector<SjisString>& items);

// The bytes of every item, in order.
std::vector<SjisString> allSjis(const QComboBox& box);

// The bytes of the current item; empty when none is current.
SjisString currentSjis(const QComboBox& box);
SjisString currentSjis(const QListWidget& list);

// The bytes of the list item at index, for delegates that draw items.
SjisString itemSjis(const QModelIndex& index);

// A label showing sjis, and the bytes it shows.
void setSjisText(QLabel& label, SjisView sjis);
SjisString labelSjis(const QLabel& label);

}  // namespace vantor
