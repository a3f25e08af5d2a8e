#include "app/control_events.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>

#include "app/handlers.h"

namespace {

// Watches controls for one kind of event and runs the handler for it.
class EventHook : public QObject {
public:
    using Test = std::function<bool(QWidget* watched, QEvent* event)>;

    EventHook(QWidget* owner, Test test, bool consume, std::function<void()> handler)
        : QObject(owner), test_(std::move(test)), consume_(consume), handler_(std::move(handler))
    {
        Watch(owner);
    }

    void Watch(QWidget* control) { control->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!watched->isWidgetType() || !test_(static_cast<QWidget*>(watched), event))
            return false;
        RunHandler(handler_);
        if (consume_)
            event->accept();
        return consume_;
    }

private:
    Test test_;
    bool consume_;
    std::function<void()> handler_;
};

bool IsTypedCharacter(QWidget* control, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !control->isEnabled())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    // Pasting and cutting by key type into the box as surely as a character does.
    if (text == QStringLiteral("\b") || key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut))
        return true;
    // Ctrl and Alt held together are AltGr on Windows: what they type lands in the box.
    const Qt::KeyboardModifiers held = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (text.isEmpty() || (held != Qt::NoModifier && held != (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    for (const QChar c : text)
        if (!c.isPrint())
            return false;
    return true;
}

// A disabled control takes no mouse move of its own: it goes to the surface under it.
bool IsMouseMoveOverEnabledControl(QWidget* control, QEvent* event)
{
    return event->type() == QEvent::MouseMove && control->isEnabled();
}

}  // namespace

void OnTypedKey(QWidget* control, std::function<void()> handler)
{
    new EventHook(control, IsTypedCharacter, false, std::move(handler));
}

void OnMouseMove(QWidget* control, std::function<void()> handler)
{
    control->setMouseTracking(true);
    // The control still gets the move: a box goes on selecting text by dragging.
    new EventHook(control, IsMouseMoveOverEnabledControl, false, std::move(handler));
}

void OnSurfaceMouseMove(QWidget* surface, std::function<void()> handler)
{
    const auto overBareSurface = [surface](QWidget* watched, QEvent* event) {
        if (event->type() != QEvent::MouseMove)
            return false;
        if (watched != surface)
            return !watched->isEnabled();
        const QWidget* child = surface->childAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        return child == nullptr || !child->isEnabled();
    };
    auto* hook = new EventHook(surface, overBareSurface, true, std::move(handler));
    surface->setMouseTracking(true);
    // Disabled controls keep the moves over them: watch them too.
    for (QWidget* control : surface->findChildren<QWidget*>()) {
        control->setMouseTracking(true);
        hook->Watch(control);
    }
}
