#include "app/reset_focus.h"

#include <QWidget>

void FocusFirstEnabled(std::initializer_list<QWidget*> controls)
{
    for (QWidget* control : controls) {
        if (control->isEnabled() && (control->focusPolicy() & Qt::TabFocus)) {
            control->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}
