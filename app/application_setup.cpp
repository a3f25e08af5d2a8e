#include "app/application_setup.h"

#include <QApplication>
#include <QIcon>

#include "app/design_fonts.h"
#include "app/icon_keeping_style.h"
#include "app/locale.h"
#include "app/pictures.h"

ApplicationSetup::ApplicationSetup()
{
    // The pictures live in a static library, whose resources must be registered by hand.
    Q_INIT_RESOURCE(assets);
    UseIconKeepingStyle();
    UseDesignFonts();
    FollowLocaleChanges();
    QApplication::setWindowIcon(QIcon(Picture(QStringLiteral(":/pictures/icon.jpg"))));
}
