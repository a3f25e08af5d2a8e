#include "app/fault_box.h"

#include <algorithm>

#include <QApplication>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "app/wrap_anywhere_label.h"
#include "calc/fault.h"

namespace {

// A word wider than half the screen (a long pasted text names itself whole in
// the conversion message) would widen the box past the screen.
bool HasTooWideAWord(const QString& text, const QFont& font, int limit)
{
    const QFontMetrics metrics(font);
    const QStringList words = text.split(QLatin1Char(' '));
    return std::any_of(words.begin(), words.end(),
                       [&](const QString& word) { return metrics.horizontalAdvance(word) > limit; });
}

// Such a message shows in lines of half the screen's width, broken anywhere,
// and scrolls where it is taller than half the screen: the box fits on it.
void WrapWhereTooWide(QMessageBox& box)
{
    auto* message = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    const QScreen* screen = box.parentWidget() != nullptr ? box.parentWidget()->screen() : box.screen();
    const QRect room = screen->availableGeometry();
    if (message == nullptr || grid == nullptr || !HasTooWideAWord(box.text(), message->font(), room.width() / 2))
        return;
    auto* lines = new WrapAnywhereLabel(box.text(), room.width() / 2);
    auto* scroller = new QScrollArea(&box);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setWidgetResizable(true);
    scroller->setWidget(lines);
    scroller->setFixedSize(lines->sizeHint().width() + scroller->verticalScrollBar()->sizeHint().width(),
                           qMin(lines->sizeHint().height(), room.height() / 2));
    int row = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(grid->indexOf(message), &row, &column, &rows, &columns);
    message->hide();
    grid->addWidget(scroller, row, column, rows, columns);
}

}  // namespace

QString TitleFromProgramPath(const QString& programPath)
{
    const QString name = QFileInfo(programPath).completeBaseName();
    if (name.isEmpty())
        return name;
    return name.left(1) + name.mid(1).toLower();
}

QString ApplicationTitle()
{
    static const QString title = TitleFromProgramPath(QCoreApplication::applicationFilePath());
    return title;
}

void ReportFault(const std::string& message)
{
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(),
                    QString::fromStdString(calc::WithClosingPeriod(message)), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    WrapWhereTooWide(box);
    box.exec();
}
