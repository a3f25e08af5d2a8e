#include "app/application_events.h"

#include <QCoreApplication>

namespace {

class ApplicationEventHook : public QObject {
public:
    ApplicationEventHook(QEvent::Type type, std::function<void(QObject*)> action)
        : QObject(QCoreApplication::instance()), type_(type), action_(std::move(action))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == type_)
            action_(watched);
        return false;
    }

private:
    QEvent::Type type_;
    std::function<void(QObject*)> action_;
};

}  // namespace

void OnApplicationEvent(QEvent::Type type, std::function<void(QObject* receiver)> action)
{
    new ApplicationEventHook(type, std::move(action));
}
