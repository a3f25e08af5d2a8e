#include "app/icon_keeping_style.h"

#include <QApplication>
#include <QHash>
#include <QIcon>
#include <QProxyStyle>
#include <utility>

namespace {

// Every menu bar asks the style for its extension button's icon when it is
// built; with eight windows carrying a menu, that is eight loads of one icon.
class IconKeepingStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override
    {
        // With no option the icon depends only on its kind and the layout direction.
        if (option != nullptr)
            return QProxyStyle::standardIcon(icon, option, widget);
        const std::pair key{int(icon), int(QGuiApplication::layoutDirection())};
        auto kept = icons_.constFind(key);
        if (kept == icons_.cend())
            kept = icons_.insert(key, QProxyStyle::standardIcon(icon, option, widget));
        return *kept;
    }

private:
    mutable QHash<std::pair<int, int>, QIcon> icons_;
};

}  // namespace

void UseIconKeepingStyle()
{
    // Once for the application, however many times its windows are built.
    static const bool inUse = [] {
        QApplication::setStyle(new IconKeepingStyle);
        return true;
    }();
    Q_UNUSED(inUse);
}
