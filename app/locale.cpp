#include "app/locale.h"

#include <QLocale>

#include "app/application_events.h"
#include "app/regional_settings.h"

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

}  // namespace

char DecimalSeparator()
{
    return separator;
}

void FollowLocaleChanges()
{
    ReadDecimalSeparator();
    // Once for the application, however many times its windows are built.
    static const bool following = [] {
        OnApplicationEvent(QEvent::LocaleChange, [](QObject*) { ReadDecimalSeparator(); });
        WatchRegionalSettings();
        return true;
    }();
    Q_UNUSED(following);
}
