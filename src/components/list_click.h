#pragma once
// A list box's click: the handler runs when the current item changes (by
// mouse or keyboard) and also when the item already current is clicked
// again, which changes nothing and so gives no change signal.

#include <functional>

class QListWidget;

namespace vantor::ui {

void onListClick(QListWidget* list, std::function<void()> handler);

}  // namespace vantor::ui
