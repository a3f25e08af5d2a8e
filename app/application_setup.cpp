#include "app/application_setup.h"

#include <QApplication>
#include <QIcon>

#include "app/locale.h"
#include "app/pictures.h"
#include "app/window_setup.h"

ApplicationSetup::ApplicationSetup()
{
    // The pictures live in a static library, whose resources must be registered by hand.
    Q_INIT_RESOURCE(assets);
    RegisterFontSubstitutes();
    FollowLocaleChanges();
    QApplication::setWindowIcon(QIcon(Picture(QStringLiteral(":/pictures/icon.jpg"))));
}
