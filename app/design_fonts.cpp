#include "app/design_fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QWidget>

#include "app/application_events.h"

namespace {

// Whether the system has the family, from the installed list read once.
bool IsInstalled(const QString& family)
{
    static const QStringList installed = QFontDatabase::families();
    return installed.contains(family, Qt::CaseInsensitive);
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

}  // namespace

void UseDesignFonts()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Maiandra GD"), QStringLiteral("URW Gothic"));
    // Once for the application, however many times its windows are built.
    static const bool watching = [] {
        OnApplicationEvent(QEvent::FontChange, UseInstalledFamilyOfOwnFont);
        return true;
    }();
    Q_UNUSED(watching);
}
