#include "app/design_fonts.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QFontDatabase>
#include <QWidget>

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
class InstalledFontWatcher : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FontChange && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->testAttribute(Qt::WA_SetFont))
                UseInstalledFamily(*widget);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void UseDesignFonts()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Maiandra GD"), QStringLiteral("URW Gothic"));
    static InstalledFontWatcher* watcher = nullptr;
    if (watcher == nullptr) {
        watcher = new InstalledFontWatcher;
        watcher->setParent(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(watcher);
    }
}
