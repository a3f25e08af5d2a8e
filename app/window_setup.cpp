#include "app/window_setup.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QWidget>

#include "app/accessibility.h"
#include "app/first_show.h"
#include "app/frame_decoration.h"

namespace {

// The frames of the calculator windows are runs of underscores that must meet
// the vertical rules whatever font stands in for the design's.
// In the design's font an underscore advances 0.46 of the font's height.
void KeepDesignUnderscoreWidth(QLabel& label)
{
    QFont font = label.font();
    const qreal designAdvance = 0.46 * QFontInfo(font).pixelSize();
    const qreal advance = QFontMetricsF(font).horizontalAdvance(QLatin1Char('_'));
    font.setLetterSpacing(QFont::AbsoluteSpacing, designAdvance - advance);
    label.setFont(font);
}

// Captions keep their design place and take the size of their text.
void FitCaptionsToText(QWidget& window)
{
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            continue;
        if (IsFrameRule(label->text()))
            KeepDesignUnderscoreWidth(*label);
        label->adjustSize();
    }
}

}  // namespace

void SetUpWindow(QWidget& window, QPoint outerTopLeft, TitleBarBoxes boxes)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (boxes == TitleBarBoxes::CloseAndMinimise)
        flags |= Qt::WindowMinimizeButtonHint;
    window.setWindowFlags(flags);
    window.move(outerTopLeft);

    // Measuring text loads the fonts: done when a window is first shown, not
    // for all twelve windows at start-up.
    OnFirstShow(window, [&window] { FitCaptionsToText(window); });
    NameBoxesAfterTheirCaptions(window);
    InstallAccessibleReadings();
}
