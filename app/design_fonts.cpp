#include "app/design_fonts.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QWidget>

#include "app/application_events.h"

namespace {

// Whether the system has the family as a scalable font, from the installed
// list read once: a bitmap font of that name comes in a few sizes only.
bool IsInstalled(const QString& family)
{
    static const QStringList installed = QFontDatabase::families();
    return installed.contains(family, Qt::CaseInsensitive) && QFontDatabase::isScalable(family);
}

void UseInstalledFamily(QWidget& widget)
{
    QFont font = widget.font();
    const QStringList families = font.families();
    if (families.isEmpty())
        return;
    const QString& design = families.first();
    const QString substitute = QFont::substitute(design);
    if (substitute.compare(design, Qt::CaseInsensitive) == 0 || IsInstalled(design))
        return;
    font.setFamilies({substitute});
    widget.setFont(font);
}

// A widget given a font of its own hands it on to the controls that inherit
// it: renaming the family there, as soon as it is set, serves them all.
void UseInstalledFamilyOfOwnFont(QObject* receiver)
{
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (widget != nullptr && widget->testAttribute(Qt::WA_SetFont))
        UseInstalledFamily(*widget);
}

#ifdef Q_OS_WIN
// The faces the system names for its own texts: menus, fault boxes, tooltips.
QStringList SystemFaces()
{
    QStringList faces{QApplication::font().family()};
    for (const char* texts : {"QMenu", "QMenuBar", "QMessageBox", "QTipLabel"})
        faces << QApplication::font(texts).family();
    faces.removeDuplicates();
    return faces;
}
#endif

}  // namespace

void UseDesignFonts()
{
#ifdef Q_OS_WIN
    // Windows has neither substitute: the program carries them.
    Q_INIT_RESOURCE(fonts);
    static const bool carried = [] {
        for (const QString& file : QDir(QStringLiteral(":/fonts")).entryList(QDir::Files))
            QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/") + file);
        // A system face that no font carries (wine names "MS Shell Dlg") would
        // be drawn in whatever face comes first: the carried sans face stands in.
        for (const QString& face : SystemFaces())
            if (!IsInstalled(face) && QFont::substitutes(face).isEmpty())
                QFont::insertSubstitution(face, QStringLiteral("Liberation Sans"));
        // Qt's FreeType hints fully on Windows and rounds every advance, its
        // kerning included, to whole pixels: the blank after a capital A, which
        // Liberation Sans kerns by half a pixel, shrank to one. Hinted lightly,
        // as Debian hints it, the text keeps the design's measures as on Linux.
        QFont carriedText = QGuiApplication::font();
        carriedText.setHintingPreference(QFont::PreferVerticalHinting);
        QGuiApplication::setFont(carriedText);
        return true;
    }();
    Q_UNUSED(carried);
#endif
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Maiandra GD"), QStringLiteral("URW Gothic"));
    // Once for the application, however many times its windows are built.
    static const bool watching = [] {
        OnApplicationEvent(QEvent::FontChange, UseInstalledFamilyOfOwnFont);
        return true;
    }();
    Q_UNUSED(watching);
}
