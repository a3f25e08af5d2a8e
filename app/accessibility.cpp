#include "app/accessibility.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace {

void NameIfUnnamed(QWidget& box, const QString& name)
{
    if (box.accessibleName().isEmpty())
        box.setAccessibleName(name);
}

}  // namespace

void NameBoxesAfterTheirCaptions(QWidget& window)
{
    for (QLabel* caption : window.findChildren<QLabel*>()) {
        QWidget* box = caption->buddy();
        if (box == nullptr)
            continue;
        // Blanks that set a caption apart from its box are not part of what is read.
        const QString name = caption->text().trimmed();
        NameIfUnnamed(*box, name);
        if (auto* list = qobject_cast<QComboBox*>(box); list != nullptr && list->lineEdit() != nullptr)
            NameIfUnnamed(*list->lineEdit(), name);
    }
}
