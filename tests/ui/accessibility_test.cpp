// What a screen reader and a keyboard-only user find in every window: each box
// by its caption, the controls in their designed tab order, the menus, results
// read whole however narrow their box, and no frame drawn of underscores.
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QRegularExpression>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolTip>

#include "app/windows.h"
#include "support/user_actions.h"
#include "support/window_paths.h"

namespace {

// Every accessible object under the node, depth first.
void CollectDescendants(QAccessibleInterface* node, QList<QAccessibleInterface*>& found)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (child == nullptr)
            continue;
        found << child;
        CollectDescendants(child, found);
    }
}

QList<QAccessibleInterface*> Descendants(QWidget* window)
{
    QList<QAccessibleInterface*> found;
    CollectDescendants(QAccessible::queryAccessibleInterface(window), found);
    return found;
}

// The first box or list in the window that assistive technology reads by that name.
QAccessibleInterface* BoxNamed(QWidget* window, const QString& name)
{
    for (QAccessibleInterface* node : Descendants(window)) {
        const QAccessible::Role role = node->role();
        if ((role == QAccessible::EditableText || role == QAccessible::ComboBox) &&
            node->text(QAccessible::Name) == name)
            return node;
    }
    return nullptr;
}

// The boxes a user types into or reads results from; a list's own text field
// belongs to its list.
QStringList BoxesOf(QWidget* window)
{
    QStringList names;
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
        if (qobject_cast<QComboBox*>(box->parentWidget()) == nullptr)
            names << box->objectName();
    for (QComboBox* list : window->findChildren<QComboBox*>())
        names << list->objectName();
    names.sort();
    return names;
}

// A control a user acts on: a box takes the text typed, anything else a click.
struct Step {
    const char* control;
    const char* text;
};
using Steps = QList<Step>;

// Rests the pointer on the control long enough for a tooltip to come up;
// the tooltip's text, empty if none came.
QString TooltipOver(QWidget* control)
{
    QToolTip::hideText();
    MovePointer(control);
    if (!QTest::qWaitFor([] { return QToolTip::isVisible(); }, 1500))
        return QString();
    return QToolTip::text();
}

QWidget* Focused()
{
    return QApplication::focusWidget();
}

// A key on the keyboard: it goes to an open menu, else to the focused control.
// Enter is the keypad's.
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const Qt::KeyboardModifiers keypad = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers | keypad);
}

// Presses the key until the focus comes back where it started; the names of
// the controls it passed, the starting one last.
QStringList FocusCycle(Qt::KeyboardModifiers modifiers)
{
    if (QApplication::activeWindow() == nullptr)
        return {};
    if (Focused() == nullptr)
        Press(Qt::Key_Tab);
    QWidget* start = Focused();
    QStringList passed;
    for (int press = 0; press < 64 && start != nullptr; ++press) {
        Press(Qt::Key_Tab, modifiers);
        if (Focused() == nullptr)
            break;
        passed << Focused()->objectName();
        if (Focused() == start)
            break;
    }
    return passed;
}

// The cycle turned to begin where the expected order begins.
QStringList StartingAt(QStringList cycle, const QString& first)
{
    const qsizetype at = cycle.indexOf(first);
    if (at < 0)
        return cycle;
    return cycle.mid(at) + cycle.first(at);
}

QStringList Reversed(const QStringList& order)
{
    return QStringList(order.rbegin(), order.rend());
}

}  // namespace

Q_DECLARE_METATYPE(Steps)

class AccessibilityTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Windows> program;

    // The keyboard goes to the active window only.
    QWidget* Open(const QString& name)
    {
        QWidget* window = OpenAsAUser(*program, name);
        if (!QTest::qWaitForWindowActive(window))
            qFatal("%s did not come to the front", qPrintable(name));
        return window;
    }

    // Takes every step of the window's chain, so that no control waits disabled.
    void EnableEveryControl(const QString& name)
    {
        Windows& w = *program;
        if (name == "Form3") {
            for (QLineEdit* box : w.Form3.findChildren<QLineEdit*>())
                if (box != w.Form3.Edit1 && box != w.Form3.Edit24)
                    Type(box, "1");
            Click(w.Form3.Button2);  // a calculation enables the result box
            Type(w.Form3.Edit1, "3");  // and typing the number of loads again enables Avanti
        }
        if (name == "Form5") {
            Type(w.Form5.Edit1, "100");
            Click(w.Form5.Button1);
        }
        if (name == "Form6") {
            Click(w.Form6.RadioButton1);
            for (QLineEdit* box : {w.Form6.Edit1, w.Form6.Edit2, w.Form6.Edit3, w.Form6.Edit4})
                Type(box, "4");
            Click(w.Form6.Button1);
        }
        if (name == "Form7")
            Type(w.Form7.ComboBox1, "4");
        if (name == "Form8")
            for (QLineEdit* box : {w.Form8.Edit1, w.Form8.Edit2, w.Form8.Edit3})
                Type(box, "1");
        if (name == "Form12")
            for (QLineEdit* box : {w.Form12.Edit1, w.Form12.Edit2, w.Form12.Edit3, w.Form12.Edit4})
                Type(box, "1");
        if (name == "Form13")
            for (QLineEdit* box : {w.Form13.Edit1, w.Form13.Edit2, w.Form13.Edit3})
                Type(box, "1");
    }

private slots:
    void init() { program = StartProgram(); }
    void cleanup() { program.reset(); }

    void everyBoxIsFoundByItsCaption_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("boxes");
        QStringList captions{"Numero di carichi alimentati", "Fattore di contemporaneità  (Fc)", "Tensione  (V)",
                             "Corrente d'impiego Ib"};
        QStringList boxes{"Edit1", "Edit2", "Edit3", "Edit24"};
        for (int row = 1; row <= 10; ++row) {
            captions << QString("Potenza (P%1)").arg(row) << QString("cos(fi%1)").arg(row);
            boxes << QString("Edit%1").arg(row + 4) << (row == 1 ? QString("Edit4") : QString("Edit%1").arg(row + 13));
        }
        QTest::newRow("load current") << "Form3" << captions << boxes;
        QTest::newRow("cable section") << "Form5"
                                       << QStringList{"Corrente d'impiego Ib", "Sezione (S)", "Portata (Iz)"}
                                       << QStringList{"Edit1", "Edit2", "Edit3"};
        QTest::newRow("voltage drop") << "Form6"
                                      << QStringList{"Tensione di alimentazione", "Corrente d'impiego Ib",
                                                     "Lunghezza della linea", "Sezione della linea", "Delta V",
                                                     "Delta V %"}
                                      << QStringList{"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"};
        QTest::newRow("protection") << "Form7" << QStringList{"Sezione", "Dispositivo di protezione (In)"}
                                    << QStringList{"ComboBox1", "Edit2"};
        QTest::newRow("power factor") << "Form8"
                                      << QStringList{"Potenza", "Cos(fi) iniziale", "Cos(fi) finale",
                                                     "Potenza Rifasante (Q)"}
                                      << QStringList{"Edit1", "Edit2", "Edit3", "Edit4"};
        QTest::newRow("cable line") << "Form12"
                                    << QStringList{"Icco", "L", "SF", "SN", "IccFN", "IccFF", "Icc3f"}
                                    << QStringList{"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7"};
        QTest::newRow("busbar line") << "Form13" << QStringList{"Icco", "L", "IZ", "IccFN", "IccFF", "Icc3f"}
                                     << QStringList{"Edit1", "Edit2", "Edit3", "Edit5", "Edit6", "Edit7"};
    }
    void everyBoxIsFoundByItsCaption()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, boxes);
        QWidget* form = Open(window);
        for (qsizetype i = 0; i < captions.size(); ++i) {
            QAccessibleInterface* box = BoxNamed(form, captions[i]);
            QVERIFY2(box != nullptr, qPrintable("no box is named " + captions[i]));
            QCOMPARE(box->object()->objectName(), boxes[i]);
            QVERIFY(box->object()->isWidgetType() && static_cast<QWidget*>(box->object())->isVisible());
        }
        QStringList named = boxes;
        named.sort();
        QCOMPARE(BoxesOf(form), named);  // no box of the window goes unnamed
    }

    void theSectionListKeepsItsCaptionWhileShowingAnItem()
    {
        QWidget* form = Open("Form7");
        Type(program->Form7.ComboBox1, "16");
        QCOMPARE(program->Form7.ComboBox1->currentText(), QString("16"));
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(program->Form7.ComboBox1);
        const auto labels = list->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->text(QAccessible::Name), QString("Sezione"));
        QAccessibleInterface* field = BoxNamed(form, "Sezione");
        QVERIFY(field != nullptr);
        // Linux names the list's text field by the caption, Windows the list itself.
        QVERIFY(field->object() == program->Form7.ComboBox1->lineEdit() ||
                field->object() == program->Form7.ComboBox1);
        QCOMPARE(field->text(QAccessible::Value), QString("16"));
    }

    void aResultIsReadWholeHoweverNarrowItsBox_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("clipped");
        QTest::newRow("load current") << "Form3"
                                      << Steps{{"Edit1", "1"}, {"Button1", nullptr}, {"Edit2", "1"}, {"Edit3", "3"},
                                               {"Edit5", "1"}, {"Edit4", "1"}, {"Button2", nullptr}}
                                      << "Edit24" << true;
        QTest::newRow("cable section") << "Form5" << Steps{{"Edit1", "100"}, {"Button1", nullptr}} << "Edit3"
                                       << false;
        QTest::newRow("voltage drop") << "Form6"
                                      << Steps{{"RadioButton1", nullptr}, {"Edit1", "230"}, {"Edit2", "10"},
                                               {"Edit3", "30"}, {"Edit4", "2.5"}, {"Button1", nullptr}}
                                      << "Edit6" << true;
        QTest::newRow("protection") << "Form7" << Steps{{"ComboBox1", "16"}, {"Button1", nullptr}} << "Edit2" << false;
        QTest::newRow("power factor") << "Form8"
                                      << Steps{{"Edit1", "10"}, {"Edit2", "0.7"}, {"Edit3", "0.9"},
                                               {"Button1", nullptr}}
                                      << "Edit4" << true;
        QTest::newRow("cable line") << "Form12"
                                    << Steps{{"Edit1", "10"}, {"Edit2", "10"}, {"Edit3", "3"}, {"Edit4", "3"},
                                             {"Button1", nullptr}}
                                    << "Edit7" << true;
        QTest::newRow("busbar line") << "Form13"
                                     << Steps{{"Edit1", "10"}, {"Edit2", "10"}, {"Edit3", "3"}, {"Button1", nullptr}}
                                     << "Edit5" << true;
        QTest::newRow("busbar line, all of it in view") << "Form13"
                                                        << Steps{{"Edit1", "12"}, {"Edit2", "0"}, {"Edit3", "1"},
                                                                 {"Button1", nullptr}}
                                                        << "Edit7" << false;
    }
    void aResultIsReadWholeHoweverNarrowItsBox()
    {
        QFETCH(QString, window);
        QFETCH(Steps, steps);
        QFETCH(QString, result);
        QFETCH(bool, clipped);
        auto* form = qobject_cast<QMainWindow*>(Open(window));
        for (const Step& step : steps) {
            auto* control = form->findChild<QWidget*>(step.control);
            if (auto* box = qobject_cast<QLineEdit*>(control))
                Retype({box}, {step.text});
            else if (step.text != nullptr)
                Type(control, step.text);
            else
                Click(control);
        }
        auto* box = form->findChild<QLineEdit*>(result);
        const QString number = box->text();
        QVERIFY2(number.size() > 1, qPrintable(number));
        QCOMPARE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Value), number);
        QCOMPARE(TooltipOver(box), clipped ? number : QString());

        QAction* nuovo = form->findChild<QMenu*>("File1")->actions().constFirst();
        if (!nuovo->text().startsWith("Nuovo"))
            return;
        QVERIFY(ChooseMenuItem(*form, nuovo));
        QCOMPARE(box->text(), QString());
        QCOMPARE(TooltipOver(box), QString());  // an emptied box has nothing to show whole
    }

    void noFrameIsReadOut_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("calculator");  // or pictures that only repeat the captions
        for (const char* name : {"Form1", "Form2", "Form4", "Form9"})
            QTest::newRow(name) << name << false;
        for (const char* name : {"Form3", "Form5", "Form6", "Form7", "Form8", "Form10", "Form12", "Form13"})
            QTest::newRow(name) << name << true;
    }
    void noFrameIsReadOut()
    {
        QFETCH(QString, window);
        QFETCH(bool, calculator);
        const QRegularExpression underscoresOnly("^_+$");
        int captions = 0;
        for (QAccessibleInterface* node : Descendants(Open(window))) {
            const QString name = node->text(QAccessible::Name);
            const QString control = node->object() != nullptr ? node->object()->objectName() : name;
            QVERIFY2(!underscoresOnly.match(name).hasMatch(), qPrintable(control));
            // The only pictures of a calculator window are the edges of its frames.
            QVERIFY2(!calculator || node->role() != QAccessible::Graphic, qPrintable(control));
            captions += node->role() == QAccessible::StaticText && !name.isEmpty();
        }
        QVERIFY(!calculator || captions > 0);  // the captions themselves are still read
    }

    void tabbingFollowsTheDesignedOrder_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("main") << "Form1"
                              << QStringList{"Button1", "Button2", "Button3", "Button4", "Button5", "Button6"};
        QTest::newRow("line kind") << "Form2" << QStringList{"Button1", "Button2"};
        QStringList loadCurrent{"Button1", "Edit1", "Edit2", "Edit3"};
        for (int box = 4; box <= 24; ++box)
            loadCurrent << QString("Edit%1").arg(box);
        QTest::newRow("load current") << "Form3" << (loadCurrent << "Button2");
        QTest::newRow("info") << "Form4" << QStringList{"Button1", "Label5"};
        QTest::newRow("cable section") << "Form5" << QStringList{"Edit1", "Button1", "Edit2", "Edit3"};
        QTest::newRow("voltage drop") << "Form6"
                                      << QStringList{"RadioButton1", "Edit1", "Edit2", "Edit3", "Button1", "Edit4",
                                                     "Edit5", "Edit6"};
        QTest::newRow("protection") << "Form7" << QStringList{"Button1", "Edit2", "ComboBox1"};
        QTest::newRow("power factor") << "Form8" << QStringList{"Edit1", "Edit2", "Edit3", "Button1", "Edit4"};
        QTest::newRow("short-circuit line kind") << "Form9" << QStringList{"Button1", "Button2"};
        QTest::newRow("topology") << "Form10" << QStringList{"Button1", "Button2", "Button3"};
        QTest::newRow("cable line") << "Form12"
                                    << QStringList{"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Edit5", "Edit6",
                                                   "Edit7"};
        QTest::newRow("busbar line") << "Form13"
                                     << QStringList{"Edit1", "Edit2", "Edit3", "Edit5", "Edit6", "Edit7", "Button1"};
    }
    void tabbingFollowsTheDesignedOrder()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, order);
        Open(window);
        EnableEveryControl(window);
        QCOMPARE(StartingAt(FocusCycle(Qt::NoModifier), order.first()), order);
        QCOMPARE(StartingAt(FocusCycle(Qt::ShiftModifier), order.last()), Reversed(order));
    }

    void tabbingSkipsTheRowsATopologyHides()
    {
        Click(program->Form1.Button6);
        Click(program->Form9.Button1);
        Click(program->Form10.Button3);  // single-phase: no neutral section, only the phase-neutral current
        QVERIFY(QTest::qWaitForWindowActive(&program->Form12));
        EnableEveryControl("Form12");
        QCOMPARE(StartingAt(FocusCycle(Qt::NoModifier), "Edit1"),
                 (QStringList{"Edit1", "Edit2", "Edit3", "Button1", "Edit5"}));
    }

    void everyResetPutsTheFocusWhereTheChainStarts_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("power factor") << "Form8";
        QTest::newRow("cable line") << "Form12";
        QTest::newRow("busbar line") << "Form13";
    }
    void everyResetPutsTheFocusWhereTheChainStarts()
    {
        QFETCH(QString, window);
        auto* form = qobject_cast<QMainWindow*>(Open(window));
        EnableEveryControl(window);
        Click(form->findChild<QPushButton*>("Button1"));  // "Calcola", which offers Nuovo
        for (bool reopen : {false, true}) {
            Press(Qt::Key_Tab, Qt::ShiftModifier);  // to a result before "Calcola"
            if (!reopen)
                QVERIFY(ChooseMenuItem(*form, form->findChild<QMenu*>("File1")->actions().constFirst()));
            while (reopen && !program->Form1.isVisible())  // back to the main window, and in again
                CloseBySystem(*WindowNamed(*program, VisibleWindows(*program).constFirst()));
            if (reopen)
                Open(window);
            QCOMPARE(Focused()->objectName(), QString("Edit1"));
        }
    }

    void theLineKindsAreOneStopChosenWithTheArrowKeys()
    {
        TForm6& form = program->Form6;
        Open("Form6");
        QCOMPARE(Focused(), form.RadioButton1);
        QVERIFY(!form.Edit1->isEnabled());
        Press(Qt::Key_Right);
        QCOMPARE(Focused(), form.RadioButton2);
        QVERIFY(!form.RadioButton2->isChecked());
        Press(Qt::Key_Space);
        QVERIFY(form.RadioButton2->isChecked());
        QVERIFY(form.Edit1->isEnabled());  // choosing a kind by key enables the first box, as a click does
        Press(Qt::Key_Left);
        QCOMPARE(Focused(), form.RadioButton1);
        QVERIFY(form.RadioButton1->isChecked());  // once a kind is chosen, the arrows choose
        Press(Qt::Key_Tab);
        QCOMPARE(Focused(), form.Edit1);
    }

    void everyFileMenuOpensFromTheKeyboard_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("returnsTo");
        QTest::newRow("load current") << "Form3" << "Form1";
        QTest::newRow("cable section") << "Form5" << "Form1";
        QTest::newRow("voltage drop") << "Form6" << "Form1";
        QTest::newRow("protection") << "Form7" << "Form1";
        QTest::newRow("power factor") << "Form8" << "Form1";
        QTest::newRow("cable line") << "Form12" << "Form10";
        QTest::newRow("busbar line") << "Form13" << "Form9";
    }
    void everyFileMenuOpensFromTheKeyboard()
    {
        QFETCH(QString, window);
        QFETCH(QString, returnsTo);
        auto* form = qobject_cast<QMainWindow*>(Open(window));
        auto* file = form->findChild<QMenu*>("File1");
        Press(Qt::Key_Alt);
        QCOMPARE(form->menuBar()->activeAction(), file->menuAction());
        QVERIFY(!file->isVisible());
        Press(Qt::Key_Down);
        QVERIFY(QTest::qWaitFor([file] { return file->isVisible(); }));
        Press(Qt::Key_End);  // Chiudi, the last item
        QCOMPARE(file->activeAction()->text().section(' ', 0, 0), QString("Chiudi"));
        Press(Qt::Key_Return);
        QCOMPARE(VisibleWindows(*program), QStringList{returnsTo});
    }

    void theMainWindowsMenusOpenFromTheKeyboard()
    {
        TForm1& form = program->Form1;
        Press(Qt::Key_Alt);
        QCOMPARE(form.menuBar()->activeAction(), form.File1->menuAction());
        Press(Qt::Key_Right);
        QCOMPARE(form.menuBar()->activeAction(), form.N1->menuAction());
        Press(Qt::Key_Down);
        QVERIFY(QTest::qWaitFor([&form] { return form.N1->isVisible(); }));
        QCOMPARE(form.N1->activeAction(), form.Info1);
        Press(Qt::Key_Return);
        QCOMPARE(VisibleWindows(*program), QStringList{"Form4"});
    }

    void aCalculationRunsFromTheKeyboardAlone_data()
    {
        QTest::addColumn<int>("key");  // that presses the focused button
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    }
    void aCalculationRunsFromTheKeyboardAlone()
    {
        QFETCH(int, key);
        TForm5& form = program->Form5;
        QCOMPARE(Focused(), program->Form1.Button1);
        Press(Qt::Key_Tab);
        Press(Qt::Key(key));  // "SCELTA DELLA SEZIONE DEI CAVI"
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(Focused(), form.Edit1);
        QTest::keyClicks(Focused(), "100");
        Press(Qt::Key_Tab);
        QCOMPARE(Focused(), form.Button1);
        Press(Qt::Key(key));
        QCOMPARE(form.Edit2->text(), QString("25"));
        QCOMPARE(form.Edit3->text(), QString("112"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
