#include "components/list_click.h"

#include <QEvent>
#include <QListWidget>

namespace vantor::ui {
namespace {

// Notes the current row as a mouse press reaches the list, before the
// press makes the pressed item current.
class PressedRow : public QObject {
public:
    PressedRow(QListWidget* list) : QObject(list), list_(list) {}
    int row = -1;

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) row = list_->currentRow();
        return false;
    }

private:
    QListWidget* list_;
};

}  // namespace

void onListClick(QListWidget* list, std::function<void()> handler) {
    auto* pressed = new PressedRow(list);
    list->viewport()->installEventFilter(pressed);
    QObject::connect(list, &QListWidget::currentRowChanged, list, [handler](int) { handler(); });
    // A click that made its item current has run the handler through the change already.
    QObject::connect(list, &QListWidget::itemClicked, list, [list, pressed, handler](QListWidgetItem* item) {
        if (list->row(item) == pressed->row) handler();
    });
}

}  // namespace vantor::ui
