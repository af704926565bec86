#include "framework/stdcontrols/internal/EditLimitValidator.h"

#include <QLineEdit>
#include <algorithm>

namespace {
// Windows' default limit of a single-line edit.
constexpr int kDefaultLimit = 30000;
} // namespace

EditLimitValidator::EditLimitValidator(QLineEdit* edit)
    : QValidator(edit), m_limit(kDefaultLimit), m_previous(edit->text()) {}

QValidator::State EditLimitValidator::validate(QString& input, int& pos) const {
    if (input.size() <= m_limit || input.size() <= m_previous.size())
        return Acceptable;
    // The change replaced the middle of the old text: keep the common start
    // and end and as much of the inserted text as fits between them.
    const qsizetype shorter = std::min(input.size(), m_previous.size());
    qsizetype head = 0;
    while (head < shorter && input[head] == m_previous[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head &&
           input[input.size() - 1 - tail] == m_previous[m_previous.size() - 1 - tail])
        ++tail;
    const qsizetype room = m_limit - head - tail;
    if (room <= 0)
        return Invalid;
    const QString inserted = input.mid(head, input.size() - head - tail).left(room);
    input = input.left(head) + inserted + input.right(tail);
    pos = static_cast<int>(head + inserted.size());
    return Acceptable;
}
