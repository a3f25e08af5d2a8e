#include "app/frame_decoration.h"

#include <QFrame>
#include <QLabel>

bool IsFrameRule(const QString& text)
{
    return !text.isEmpty() && text.count(QLatin1Char('_')) == text.size();
}

bool IsFrameDecoration(const QWidget& control)
{
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        if (IsFrameRule(label->text()))
            return true;
        // The edge pictures stand in picture controls at least four times as tall as wide.
        return label->text().isEmpty() && label->width() > 0 && label->height() >= 4 * label->width();
    }
    return control.metaObject() == &QFrame::staticMetaObject && control.findChild<QWidget*>() == nullptr;
}
