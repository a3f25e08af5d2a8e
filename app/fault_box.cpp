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

// The stop box. A message that Qt's own layout makes taller than half the
// screen, or with a word wider than half of it, shows instead in lines of half
// the screen's width, broken anywhere a word is wider than that, and scrolls
// where it is taller than half the screen: the whole box, its OK button
// included, stays on the screen.
class FaultBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override
    {
        // Sized for the message, then placed.
        QMessageBox::showEvent(event);
        if (ScrollMessageWhereTooBig())
            QDialog::showEvent(event);  // placed again, at the size it now has
    }

private:
    bool ScrollMessageWhereTooBig()
    {
        auto* message = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        auto* grid = qobject_cast<QGridLayout*>(layout());
        // Placed over the window it reports for, on that window's screen.
        const QScreen* shownOn = parentWidget() != nullptr ? parentWidget()->screen() : screen();
        const QRect room = shownOn->availableGeometry();
        if (message == nullptr || grid == nullptr ||
            (height() <= room.height() / 2 && !HasTooWideAWord(text(), message->font(), room.width() / 2)))
            return false;
        auto* lines = new WrapAnywhereLabel(text(), room.width() / 2);
        auto* scroller = new QScrollArea(this);
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
        scroller->show();  // the box is showing: a new child would come up only later
        setFixedSize(sizeHint());
        return true;
    }
};

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
    auto* box = new FaultBox(QMessageBox::Critical, ApplicationTitle(),
                             QString::fromStdString(calc::WithClosingPeriod(message)), QMessageBox::Ok,
                             QApplication::activeWindow());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->exec();
}
