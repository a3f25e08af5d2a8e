#include "app/clipped_text_tip.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// The blank a line edit leaves before its text, inside its contents.
constexpr int LineEditTextMargin = 2;

// Measured as the line edit draws a text shown from its first character: from
// the blank before it to the edge of the contents, where the drawing is cut
// off. No cursor is drawn in a box at rest, and the blank after the text is
// no edge: a text reaching into it is still shown whole.
bool ShowsAllOfItsText(const QLineEdit& box)
{
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.lineWidth = box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box) : 0;
    option.state |= QStyle::State_Sunken;
    const QRect contents =
        box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box).marginsRemoved(box.textMargins());
    return LineEditTextMargin + QFontMetricsF(box.font()).horizontalAdvance(box.text()) <= contents.width();
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
