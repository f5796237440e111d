#pragma once
// Drop-down and list items made from Shift-JIS texts. Each item keeps its
// bytes beside the text it shows, so that handlers compare exactly what
// the core gave instead of a text converted there and back.

#include <vector>

#include "text/sjis.h"

class QComboBox;
class QListWidget;

namespace vantor {

// Replaces the items without reporting a change.
void setItems(QComboBox& box, const std::vector<SjisString>& items);
void setItems(QListWidget& list, const std::vector<SjisString>& items);

// The bytes of every item, in order.
std::vector<SjisString> allSjis(const QComboBox& box);

// The bytes of the current item; empty when none is current.
SjisString currentSjis(const QComboBox& box);
SjisString currentSjis(const QListWidget& list);

}  // namespace vantor
