#include "app/accessibility.h"

#include <algorithm>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "app/frame_decoration.h"
#include "app/link_label.h"

namespace {

constexpr char LeftOut[] = "leftOutOfAccessibleReading";

void NameIfUnnamed(QWidget& box, const QString& name)
{
    if (box.accessibleName().isEmpty())
        box.setAccessibleName(name);
}

// Drawn to be seen, with nothing to read.
bool IsLeftOut(const QWidget& control)
{
    return IsFrameDecoration(control) || control.property(LeftOut).toBool();
}

// A plain control or window, read as Qt reads any control, less what is left out.
class WithoutDecoration : public QAccessibleWidget {
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
            if (control != nullptr && !IsLeftOut(*control))
                kept << child;
        }
        return kept;
    }
};

// A link, named by the address it shows; pressing it follows it.
class AccessibleLink : public QAccessibleWidget {
public:
    explicit AccessibleLink(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return Link()->text();
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            Link()->Follow();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    LinkLabel* Link() const { return static_cast<LinkLabel*>(widget()); }
};

bool HoldsWhatIsLeftOut(const QWidget& container)
{
    const auto children = container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    return std::any_of(children.begin(), children.end(), [](const QWidget* child) { return IsLeftOut(*child); });
}

// Asked before Qt's own factory, for each class of the object from its own upwards.
QAccessibleInterface* ReadAsExpected(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    if (className == QLatin1String("LinkLabel"))
        return new AccessibleLink(static_cast<LinkLabel*>(widget));
    if (className != QLatin1String("QWidget"))
        return nullptr;
    // Qt reads a plain window as a mere client area.
    if (widget->isWindow())
        return new WithoutDecoration(widget, QAccessible::Window);
    return HoldsWhatIsLeftOut(*widget) ? new WithoutDecoration(widget) : nullptr;
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

void InstallAccessibleReadings()
{
    static const bool installed = [] {
        QAccessible::installFactory(ReadAsExpected);
        return true;
    }();
    Q_UNUSED(installed);
}

void KeepPicturesFromAssistiveTechnology(std::initializer_list<QWidget*> pictures)
{
    for (QWidget* picture : pictures)
        picture->setProperty(LeftOut, true);
}
