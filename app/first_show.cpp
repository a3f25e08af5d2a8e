#include "app/first_show.h"

#include <QEvent>
#include <QWidget>

namespace {

class FirstShowHook : public QObject {
public:
    FirstShowHook(QWidget& window, std::function<void()> action) : QObject(&window), action_(std::move(action))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parent() && event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            action_();
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> action_;
};

}  // namespace

void OnFirstShow(QWidget& window, std::function<void()> action)
{
    new FirstShowHook(window, std::move(action));
}
