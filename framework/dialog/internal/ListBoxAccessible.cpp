#include "framework/dialog/internal/ListBoxAccessible.h"

#include "framework/dialog/internal/ControlLabel.h"
#include "framework/stdcontrols/internal/ListBoxWidget.h"

namespace {
// One line of a list box.
class LineAccessible : public QAccessibleInterface {
public:
    LineAccessible(ListBoxWidget* list, int row) : m_list(list), m_row(row) {}

    bool isValid() const override { return m_list != nullptr && m_row < m_list->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent()->window(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_list);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? m_list->item(m_row)->text() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid())
            return QRect();
        const QRect line = m_list->visualItemRect(m_list->item(m_row));
        return QRect(m_list->viewport()->mapToGlobal(line.topLeft()), line.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid())
            return state;
        const QRect shown = m_list->viewport()->rect();
        state.invisible = !shown.intersects(m_list->visualItemRect(m_list->item(m_row)));
        state.offscreen = state.invisible;
        state.readOnly = true;
        state.focused = m_list->hasFocus() && m_list->currentRow() == m_row;
        return state;
    }

private:
    QPointer<ListBoxWidget> m_list;
    int m_row;
};
} // namespace

ListBoxAccessible::ListBoxAccessible(ListBoxWidget* widget)
    : QAccessibleWidget(widget, QAccessible::List) {
    const QAbstractItemModel* model = widget->model();
    const auto drop = [this] { DropItems(); };
    m_changes[0] = QObject::connect(model, &QAbstractItemModel::rowsInserted, widget, drop);
    m_changes[1] = QObject::connect(model, &QAbstractItemModel::rowsRemoved, widget, drop);
    m_changes[2] = QObject::connect(model, &QAbstractItemModel::modelReset, widget, drop);
    m_changes[3] = QObject::connect(model, &QAbstractItemModel::layoutChanged, widget, drop);
}

ListBoxAccessible::~ListBoxAccessible() {
    for (const QMetaObject::Connection& connection : m_changes)
        QObject::disconnect(connection);
    DropItems();
}

ListBoxWidget* ListBoxAccessible::List() const {
    return static_cast<ListBoxWidget*>(widget());
}

void ListBoxAccessible::DropItems() {
    for (const auto& [row, id] : m_items)
        QAccessible::deleteAccessibleInterface(id);
    m_items.clear();
}

QString ListBoxAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? ControlLabel::For(widget()) : QAccessibleWidget::text(t);
}

int ListBoxAccessible::childCount() const {
    return List()->count();
}

QAccessibleInterface* ListBoxAccessible::child(int index) const {
    if (index < 0 || index >= List()->count())
        return nullptr;
    const auto found = m_items.find(index);
    if (found != m_items.end())
        return QAccessible::accessibleInterface(found->second);
    QAccessibleInterface* line = new LineAccessible(List(), index);
    m_items[index] = QAccessible::registerAccessibleInterface(line);
    return line;
}

int ListBoxAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (const auto& [row, id] : m_items)
        if (QAccessible::accessibleInterface(id) == child)
            return row;
    return -1;
}

QAccessibleInterface* ListBoxAccessible::childAt(int x, int y) const {
    const QPoint point = List()->viewport()->mapFromGlobal(QPoint(x, y));
    const QListWidgetItem* item = List()->itemAt(point);
    return item ? child(List()->row(item)) : nullptr;
}

QAccessibleInterface* ListBoxAccessible::focusChild() const {
    return List()->hasFocus() ? child(List()->currentRow()) : nullptr;
}
