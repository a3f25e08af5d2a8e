#include "app/window_setup.h"

#include <QFont>
#include <QLabel>
#include <QWidget>

void SetUpWindow(QWidget& window, QPoint outerTopLeft, TitleBarBoxes boxes)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (boxes == TitleBarBoxes::CloseAndMinimise)
        flags |= Qt::WindowMinimizeButtonHint;
    window.setWindowFlags(flags);
    window.move(outerTopLeft);

    // Captions keep their design place and take the size of their text.
    for (QLabel* label : window.findChildren<QLabel*>())
        if (!label->text().isEmpty() && label->pixmap().isNull())
            label->adjustSize();
}

void RegisterFontSubstitutes()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Maiandra GD"), QStringLiteral("URW Gothic"));
}
