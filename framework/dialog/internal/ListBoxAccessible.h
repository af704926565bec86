#pragma once

#include <QAccessibleWidget>
#include <QMetaObject>
#include <map>

class ListBoxWidget;

// A list box to accessibility: a list named by the label that names it on
// screen (ControlLabel), whose lines are its items, each named by its text.
// The items' interfaces are made when first asked for and dropped when the
// lines change.
class ListBoxAccessible : public QAccessibleWidget {
public:
    explicit ListBoxAccessible(ListBoxWidget* widget);
    ~ListBoxAccessible() override;

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    ListBoxWidget* List() const;
    void DropItems();

    // Row -> the id of its item's interface, registered with QAccessible.
    mutable std::map<int, QAccessible::Id> m_items;
    QMetaObject::Connection m_changes[4];
};
