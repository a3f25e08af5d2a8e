#include "app/desktop_keys.h"

#include <QKeyEvent>
#include <QPushButton>
#include <algorithm>

#include "app/application_events.h"

namespace {

// On the desktop, Alt with a character names a menu or a command; it is never text.
bool IsAltCharacter(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers held = key.modifiers();
    const QString text = key.text();
    return (held & Qt::AltModifier) && !(held & Qt::ControlModifier) && !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

// Held down, the key presses once: the window it opens gets no repeats of it.
bool IsReturnOrEnter(const QKeyEvent& key)
{
    if (key.isAutoRepeat())
        return false;
    if (key.key() == Qt::Key_Return)
        return key.modifiers() == Qt::NoModifier;
    return key.key() == Qt::Key_Enter && (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool TakeKeyPress(QObject* receiver, QEvent* event)
{
    const auto& key = *static_cast<const QKeyEvent*>(event);
    if (IsAltCharacter(key))
        return true;
    auto* button = qobject_cast<QPushButton*>(receiver);
    // A dialog's buttons take Return themselves.
    if (button == nullptr || button->autoDefault() || !IsReturnOrEnter(key))
        return false;
    button->click();
    return true;
}

}  // namespace

void UseDesktopKeys()
{
    // Once for the application, however many times its windows are built.
    static const bool inUse = [] {
        FilterApplicationEvents(QEvent::KeyPress, TakeKeyPress);
        return true;
    }();
    Q_UNUSED(inUse);
}
