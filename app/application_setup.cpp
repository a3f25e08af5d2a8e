#include "app/application_setup.h"

#include <QApplication>
#include <QIcon>

#include "app/design_fonts.h"
#include "app/desktop_keys.h"
#include "app/icon_keeping_style.h"
#include "app/locale.h"
#include "app/pictures.h"
#include "app/qt_texts.h"
#include "app/readable_tips.h"

ApplicationSetup::ApplicationSetup()
{
    // The pictures live in a static library, whose resources must be registered by hand.
    Q_INIT_RESOURCE(assets);
    UseIconKeepingStyle();
    UseDesignFonts();
    UseItalianQtTexts();
    KeepTipsReadable();
    FollowLocaleChanges();
    UseDesktopKeys();
    // 128 pixels serve every size a title bar or task switcher draws; the
    // installed icons in their sizes up to 256 serve the desktop's menus.
    QApplication::setWindowIcon(QIcon(Picture(QStringLiteral(":/pictures/icon.jpg"))));
}
