#pragma once

#include <QValidator>

class QLineEdit;

// The text limit of an edit control, as EM_LIMITTEXT sets it: an edit may
// not grow beyond the limit (a longer insertion keeps what fits), but text
// put in by the program may be longer and can still be shortened.
class EditLimitValidator : public QValidator {
public:
    explicit EditLimitValidator(QLineEdit* edit);

    int Limit() const { return m_limit; }
    void SetLimit(int limit) { m_limit = limit; }
    // The text before the change being validated; the edit keeps it current.
    void SetPrevious(const QString& text) { m_previous = text; }

    State validate(QString& input, int& pos) const override;

private:
    int m_limit;
    QString m_previous;
};
