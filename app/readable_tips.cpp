#include "app/readable_tips.h"

#include <QColor>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "app/application_events.h"

namespace {

// The relative luminance of a colour, by which the contrast of text is measured.
qreal Luminance(const QColor& colour)
{
    const auto linear = [](qreal c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

// Wine's theme gives the tooltips light grey text on white.
void KeepTipReadable(QObject* receiver)
{
    auto* tip = qobject_cast<QWidget*>(receiver);
    if (tip == nullptr || !tip->inherits("QTipLabel"))
        return;
    QPalette palette = tip->palette();
    const qreal back = Luminance(palette.color(QPalette::ToolTipBase));
    const qreal text = Luminance(palette.color(QPalette::ToolTipText));
    constexpr qreal kReadableContrast = 4.5;
    if ((std::max(back, text) + 0.05) / (std::min(back, text) + 0.05) >= kReadableContrast)
        return;
    palette.setColor(QPalette::ToolTipText, back > 0.18 ? QColor(Qt::black) : QColor(Qt::white));
    tip->setPalette(palette);
}

}  // namespace

void KeepTipsReadable()
{
    // Once for the application; the style has given a tooltip its colours by the time it shows.
    static const bool watching = [] {
        OnApplicationEvent(QEvent::Show, KeepTipReadable);
        return true;
    }();
    Q_UNUSED(watching);
}
