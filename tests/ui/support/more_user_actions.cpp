#include "more_user_actions.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

#include "user_actions.h"

void TypeAnyKeys(QWidget* control, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            Type(control, QString(c));
            continue;
        }
        // Latin-1 letters have key codes of their capitals; others have none.
        const QChar capital = c.toUpper();
        const auto key = capital.unicode() <= 0xff ? Qt::Key(capital.unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, control, key, QString(c), Qt::NoModifier);
    }
}

bool PickListItem(QComboBox* list, int row)
{
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    const QRect arrow = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, list);
    QTest::mouseMove(list, arrow.center());
    QTest::mouseClick(list, Qt::LeftButton, Qt::NoModifier, arrow.center());
    QAbstractItemView* view = list->view();
    if (!QTest::qWaitFor([view] { return view->isVisible(); }, 2000))
        return false;
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    // The list takes a click only once the pointer has travelled from where it opened.
    const QRect item = view->visualRect(index);
    const QPoint where(item.left() + item.width() / 4, item.center().y());
    QTest::mouseMove(view->viewport(), where);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, where);
    return !view->isVisible();
}

void PasteOver(QWidget* control, const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(control, Qt::Key_V, Qt::ControlModifier);
}
