#include "app/number_boxes.h"

#include <QLineEdit>

#include "app/clipped_text_tip.h"
#include "app/locale.h"
#include "calc/number_display.h"
#include "calc/number_entry.h"

double ReadNumber(const QString& text)
{
    return calc::ParseNumber(text.toStdString(), DecimalSeparator());
}

double ReadNumber(const QLineEdit& box)
{
    return ReadNumber(box.text());
}

void WriteNumber(QLineEdit& box, double value)
{
    // A result too long for its box can still be read whole by hovering it.
    ShowWholeTextWhenClipped(box);
    box.setText(QString::fromStdString(calc::FormatNumber(value, DecimalSeparator())));
    // A result box narrower than its number shows the number from its first digit.
    box.home(false);
}
