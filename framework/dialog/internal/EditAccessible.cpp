#include "framework/dialog/internal/EditAccessible.h"

#include "framework/dialog/internal/ControlLabel.h"
#include "framework/stdcontrols/internal/EditWidget.h"

EditAccessible::EditAccessible(EditWidget* widget)
    : QAccessibleWidget(widget, QAccessible::EditableText) {}

EditWidget* EditAccessible::Edit() const {
    return static_cast<EditWidget*>(widget());
}

QAccessible::State EditAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !Edit()->isReadOnly();
    state.readOnly = Edit()->isReadOnly();
    state.selectableText = true;
    return state;
}

QString EditAccessible::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name:
        return ControlLabel::For(widget());
    case QAccessible::Value:
        return Edit()->text();
    default:
        return QAccessibleWidget::text(t);
    }
}

void* EditAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (t == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

void EditAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !Edit()->hasSelectedText())
        return;
    *startOffset = Edit()->selectionStart();
    *endOffset = Edit()->selectionEnd();
}

int EditAccessible::selectionCount() const {
    return Edit()->hasSelectedText() ? 1 : 0;
}

// A single-line edit has at most one selection: adding one replaces it.
void EditAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void EditAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0)
        Edit()->deselect();
}

void EditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0)
        Edit()->setSelection(startOffset, endOffset - startOffset);
}

int EditAccessible::cursorPosition() const {
    return Edit()->cursorPosition();
}

void EditAccessible::setCursorPosition(int position) {
    Edit()->setCursorPosition(position);
}

QString EditAccessible::text(int startOffset, int endOffset) const {
    return Edit()->text().mid(startOffset, endOffset - startOffset);
}

int EditAccessible::characterCount() const {
    return static_cast<int>(Edit()->text().size());
}

// Measured from the caret, whose rectangle the edit knows wherever the text
// has scrolled to.
QRect EditAccessible::characterRect(int offset) const {
    const QString text = Edit()->text();
    if (offset < 0 || offset >= text.size())
        return QRect();
    const QFontMetrics metrics = Edit()->fontMetrics();
    const int caretX = Edit()->CaretRect().center().x();
    const int left = caretX + metrics.horizontalAdvance(text.left(offset)) -
                     metrics.horizontalAdvance(text.left(Edit()->cursorPosition()));
    const QRect local(left, Edit()->CaretRect().top(), metrics.horizontalAdvance(text[offset]),
                      Edit()->CaretRect().height());
    return QRect(Edit()->mapToGlobal(local.topLeft()), local.size());
}

int EditAccessible::offsetAtPoint(const QPoint& point) const {
    return Edit()->cursorPositionAt(Edit()->mapFromGlobal(point));
}

void EditAccessible::scrollToSubstring(int startIndex, int) {
    Edit()->setCursorPosition(startIndex);
}

QString EditAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = offset;
    return QString();
}

void EditAccessible::deleteText(int startOffset, int endOffset) {
    replaceText(startOffset, endOffset, QString());
}

void EditAccessible::insertText(int offset, const QString& text) {
    replaceText(offset, offset, text);
}

// As typing does: the text limit applies.
void EditAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
    if (Edit()->isReadOnly())
        return;
    Edit()->setSelection(startOffset, endOffset - startOffset);
    Edit()->insert(text);
}
