#include "app/wrap_anywhere_label.h"

#include <QPainter>
#include <QTextLayout>
#include <QTextOption>
#include <cmath>

namespace {

// Lays the text out in lines of the width; returns the height the lines take.
qreal LayOut(QTextLayout& layout, qreal width)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    return height;
}

}  // namespace

WrapAnywhereLabel::WrapAnywhereLabel(const QString& text, int lineWidth, QWidget* parent)
    : QLabel(text, parent), lineWidth_(lineWidth)
{
    setTextFormat(Qt::PlainText);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int WrapAnywhereLabel::heightForWidth(int width) const
{
    if (lastHeightForWidth_.width() != width) {
        QTextLayout layout(text(), font());
        lastHeightForWidth_ = QSize(width, int(std::ceil(LayOut(layout, width))));
    }
    return lastHeightForWidth_.height();
}

QSize WrapAnywhereLabel::sizeHint() const
{
    return QSize(lineWidth_, heightForWidth(lineWidth_));
}

void WrapAnywhereLabel::paintEvent(QPaintEvent*)
{
    QTextLayout layout(text(), font());
    LayOut(layout, width());
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    layout.draw(&painter, QPointF(0, 0));
}
