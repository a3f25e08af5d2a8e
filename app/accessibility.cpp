#include "app/accessibility.h"

#include <algorithm>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "app/frame_decoration.h"

namespace {

void NameIfUnnamed(QWidget& box, const QString& name)
{
    if (box.accessibleName().isEmpty())
        box.setAccessibleName(name);
}

// A control holding frame decoration, read as Qt reads any control, less the decoration.
class WithoutFrames : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return Kept().size(); }
    QAccessibleInterface* child(int index) const override { return Kept().value(index); }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return Kept().indexOf(const_cast<QAccessibleInterface*>(child));
    }

private:
    QList<QAccessibleInterface*> Kept() const
    {
        QList<QAccessibleInterface*> kept;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface* child = QAccessibleWidget::child(i);
            const auto* control = child == nullptr ? nullptr : qobject_cast<QWidget*>(child->object());
            if (control != nullptr && !IsFrameDecoration(*control))
                kept << child;
        }
        return kept;
    }
};

bool HoldsFrameDecoration(const QWidget& container)
{
    const auto children = container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    return std::any_of(children.begin(), children.end(),
                       [](const QWidget* child) { return IsFrameDecoration(*child); });
}

// Asked before Qt's own factory; a plain container with frames gets the reading without them.
QAccessibleInterface* ReadWithoutFrames(const QString& className, QObject* object)
{
    auto* container = qobject_cast<QWidget*>(object);
    if (className != QLatin1String("QWidget") || container == nullptr || !HoldsFrameDecoration(*container))
        return nullptr;
    return new WithoutFrames(container);
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

void KeepFramesFromAssistiveTechnology()
{
    static const bool installed = [] {
        QAccessible::installFactory(ReadWithoutFrames);
        return true;
    }();
    Q_UNUSED(installed);
}
