#include "app/web/browser_keys.h"

#include <QKeyEvent>

#include "app/application_events.h"

namespace {

bool altGrHeld = false;

// Qt reads the browser's "AltGraph" key as an A without its letter, which no
// letter key sends.
bool IsAltGr(const QKeyEvent& key)
{
    return key.key() == Qt::Key_A && key.text().isEmpty();
}

// That key goes nowhere; while it is held, its characters arrive as plain
// typing, though a browser on Windows sends them with Ctrl and Alt held.
bool TakeAltGr(QObject*, QEvent* event)
{
    auto& key = *static_cast<QKeyEvent*>(event);
    if (IsAltGr(key)) {
        altGrHeld = key.type() == QEvent::KeyPress;
        return true;
    }
    if (altGrHeld && !key.text().isEmpty())
        key.setModifiers(key.modifiers() & ~(Qt::ControlModifier | Qt::AltModifier));
    return false;
}

}  // namespace

void UseBrowserKeys()
{
    FilterApplicationEvents(QEvent::KeyPress, TakeAltGr);
    FilterApplicationEvents(QEvent::KeyRelease, TakeAltGr);
}
