#include "app/regional_settings.h"

#include <QtGlobal>

#ifdef Q_OS_WIN

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QEvent>
#include <cwchar>
#include <qt_windows.h>

namespace {

// Windows broadcasts WM_SETTINGCHANGE naming "intl" to every top-level window
// when the user changes the regional settings; Qt 6 drops it.
class RegionalSettingsFilter : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        const auto* msg = static_cast<const MSG*>(message);
        if (eventType != "windows_generic_MSG" || msg->message != WM_SETTINGCHANGE || msg->lParam == 0
            || std::wcscmp(reinterpret_cast<const wchar_t*>(msg->lParam), L"intl") != 0)
            return false;
        // Every window hears the broadcast; reading the symbol again each time is harmless.
        QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(QEvent::LocaleChange));
        return false;
    }
};

}  // namespace

void WatchRegionalSettings()
{
    QCoreApplication::instance()->installNativeEventFilter(new RegionalSettingsFilter);
}

#else

void WatchRegionalSettings() {}

#endif
