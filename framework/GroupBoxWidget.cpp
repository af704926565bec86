#include "GroupBoxWidget.h"

GroupBoxWidget::GroupBoxWidget(QWidget* parent) : QGroupBox(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}
