#include "app/qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void UseItalianQtTexts()
{
#ifdef Q_OS_WIN
    // Windows has no Qt of its own: the program carries its texts.
    Q_INIT_RESOURCE(qt_translations);
    static const QString folder = QStringLiteral(":/translations");
#else
    // Debian's, which the package depends on.
    static const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
    // Once for the application, however many times its windows are built.
    static const bool loaded = [] {
        auto* texts = new QTranslator(QCoreApplication::instance());
        return texts->load(QStringLiteral("qtbase_it"), folder) && QCoreApplication::installTranslator(texts);
    }();
    Q_UNUSED(loaded);
}
