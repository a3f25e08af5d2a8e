#include "app/application_events.h"

#include <QCoreApplication>

namespace {

class ApplicationEventHook : public QObject {
public:
    ApplicationEventHook(QEvent::Type type, std::function<bool(QObject*, QEvent*)> filter)
        : QObject(QCoreApplication::instance()), type_(type), filter_(std::move(filter))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        return event->type() == type_ && filter_(watched, event);
    }

private:
    QEvent::Type type_;
    std::function<bool(QObject*, QEvent*)> filter_;
};

}  // namespace

void OnApplicationEvent(QEvent::Type type, std::function<void(QObject* receiver)> action)
{
    FilterApplicationEvents(type, [action = std::move(action)](QObject* receiver, QEvent*) {
        action(receiver);
        return false;
    });
}

void FilterApplicationEvents(QEvent::Type type, std::function<bool(QObject* receiver, QEvent* event)> filter)
{
    new ApplicationEventHook(type, std::move(filter));
}
