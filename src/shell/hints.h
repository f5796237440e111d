#pragma once
// A hint shows as tool tip under the mouse and in the main window's hint line.

#include <QString>

namespace vantor {

template <class WidgetOrAction>
void setHint(WidgetOrAction* target, const QString& hint) {
    target->setToolTip(hint);
    target->setStatusTip(hint);
}

}  // namespace vantor
