#include "app/locale.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLocale>

namespace {

char separator = '.';

void ReadDecimalSeparator()
{
    const QString symbol = QLocale().decimalPoint();
    // Number entry works on single ASCII characters; any other symbol falls back to the point.
    separator = symbol.size() == 1 && symbol[0].unicode() < 0x80 && symbol[0].isPrint()
                    ? static_cast<char>(symbol[0].unicode())
                    : '.';
}

class LocaleWatcher : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::LocaleChange)
            ReadDecimalSeparator();
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

char DecimalSeparator()
{
    return separator;
}

void FollowLocaleChanges()
{
    ReadDecimalSeparator();
    static LocaleWatcher* watcher = nullptr;
    if (watcher == nullptr) {
        watcher = new LocaleWatcher;
        watcher->setParent(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(watcher);
    }
}
