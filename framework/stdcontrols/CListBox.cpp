#include "framework/stdcontrols/CListBox.h"

#include "framework/types/ByteText.h"

#include <QListWidget>

namespace {
constexpr int kBytesRole = Qt::UserRole;
}

int CListBox::AddString(const std::string& text) {
    auto* list = qobject_cast<QListWidget*>(m_hWnd);
    if (list == nullptr)
        return -1;
    auto* item = new QListWidgetItem(ByteText::ToDisplay(text));
    item->setData(kBytesRole, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    list->addItem(item);
    return list->count() - 1;
}

void CListBox::ResetContent() {
    if (auto* list = qobject_cast<QListWidget*>(m_hWnd))
        list->clear();
}

int CListBox::GetCount() const {
    const auto* list = qobject_cast<const QListWidget*>(m_hWnd);
    return list ? list->count() : 0;
}

void CListBox::GetText(int nIndex, std::string& text) const {
    const auto* list = qobject_cast<const QListWidget*>(m_hWnd);
    const QListWidgetItem* item = list ? list->item(nIndex) : nullptr;
    text = item ? item->data(kBytesRole).toByteArray().toStdString() : std::string();
}
