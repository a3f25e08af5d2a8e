#include "app/clipped_text_tip.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// The blank a line edit keeps on each side of its text, inside its contents.
constexpr int LineEditTextMargin = 2;

// Measured as the line edit lays its text out: the text, one pixel and the
// cursor must fit between the margins, or the box scrolls its text.
bool ShowsAllOfItsText(const QLineEdit& box)
{
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.lineWidth = box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box) : 0;
    option.state |= QStyle::State_Sunken;
    const QRect contents =
        box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box).marginsRemoved(box.textMargins());
    const int room = contents.width() - 2 * LineEditTextMargin;
    const int cursor = box.style()->pixelMetric(QStyle::PM_TextCursorWidth, &option, &box);
    return qRound(QFontMetricsF(box.font()).horizontalAdvance(box.text())) + 1 + cursor <= room;
}

void UpdateTip(QLineEdit& box)
{
    box.setToolTip(box.text().isEmpty() || ShowsAllOfItsText(box) ? QString() : box.text());
}

}  // namespace

void ShowWholeTextWhenClipped(QLineEdit& box)
{
    static constexpr char Watched[] = "showsWholeTextWhenClipped";
    if (box.property(Watched).toBool())
        return;
    box.setProperty(Watched, true);
    QObject::connect(&box, &QLineEdit::textChanged, &box, [&box] { UpdateTip(box); });
}
