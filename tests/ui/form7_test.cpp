// The protection window, driven as a user drives it.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPrinterInfo>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

#include "app/windows.h"
#include "support/expectations.h"
#include "support/user_actions.h"

class Form7Test : public QObject {
    Q_OBJECT

    std::unique_ptr<Windows> program;
    TForm7* form = nullptr;

    void Open()
    {
        Click(program->Form1.Button4);
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    // Empties the list's text as a user does: select all, then Backspace.
    void ClearSection()
    {
        QTest::keyClick(form->ComboBox1, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(form->ComboBox1, Qt::Key_Backspace);
    }

    // Clicks into the list's text, empties it and types the text.
    void TypeSection(const QString& text)
    {
        Click(form->ComboBox1);
        ClearSection();
        Type(form->ComboBox1, text);
    }

    // Opens the drop-down list and clicks the item with the mouse.
    void PickSection(const QString& item)
    {
        QComboBox* list = form->ComboBox1;
        const int row = list->findText(item);
        QVERIFY2(row >= 0, qPrintable(item));
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = true;
        const QRect arrow =
            list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, list);
        QTest::mouseClick(list, Qt::LeftButton, Qt::NoModifier, arrow.center());
        QAbstractItemView* view = list->view();
        QVERIFY(QTest::qWaitFor([view] { return view->isVisible(); }));
        const QModelIndex index = view->model()->index(row, 0);
        view->scrollTo(index);
        const QPoint where = view->visualRect(index).center();
        QTest::mouseMove(view->viewport(), where);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, where);
        QVERIFY(!view->isVisible());
    }

private slots:
    void init()
    {
        SwitchToItalian();
        program = StartProgram();
        form = &program->Form7;
    }
    void cleanup() { program.reset(); }

    void opensFromTheMainWindowPrepared()
    {
        Open();
        QCOMPARE(VisibleWindows(*program), QStringList{"Form7"});
        QCOMPARE(form->windowTitle(), QString("Protezione linee da sovraccarico e cortocircuito"));
        QCOMPARE(form->ComboBox1->currentText(), QString());
        QCOMPARE(form->Edit2->text(), QString());
        QVERIFY(!form->Button1->isEnabled());
        QVERIFY(!form->StampaCTRLMAIUSCF121->isEnabled());
        QStringList items;
        for (int i = 0; i < form->ComboBox1->count(); ++i)
            items << form->ComboBox1->itemText(i);
        QCOMPARE(items, (QStringList{"1,5", "2,5", "4", "6", "10", "16", "25", "35", "50", "70", "95", "120",
                                     "150", "185", "240"}));
        QStringList captions;
        for (const QAction* item : form->File1->actions())
            captions << item->text();
        QCOMPARE(captions, (QStringList{"Stampa                    CTRL+MAIUSC+F12",
                                        "Chiudi                       ALT+F4"}));
    }

    void aPickedSectionGivesItsRatedCurrent_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("rating");
        QTest::newRow("1,5") << "1,5" << "20";
        QTest::newRow("50") << "50" << "190";
        QTest::newRow("240") << "240" << "500";
    }
    void aPickedSectionGivesItsRatedCurrent()
    {
        QFETCH(QString, section);
        QFETCH(QString, rating);
        Open();
        PickSection(section);
        QCOMPARE(form->ComboBox1->currentText(), section);
        QVERIFY(form->Button1->isEnabled());
        Click(form->Button1);
        QCOMPARE(form->Edit2->text(), rating);
        QVERIFY(form->StampaCTRLMAIUSCF121->isEnabled());
    }

    void anArrowKeyChoosesTheNextItem()
    {
        Open();
        QTest::keyClick(form->ComboBox1, Qt::Key_Down);
        QCOMPARE(form->ComboBox1->currentText(), QString("1,5"));
        QVERIFY(form->Button1->isEnabled());
        QTest::keyClick(form->ComboBox1, Qt::Key_Down);
        Click(form->Button1);
        QCOMPARE(form->Edit2->text(), QString("25"));
    }

    void typingCompletesToTheFirstMatchingItem_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        QTest::newRow("1") << "1" << "1,5" << ",5";
        QTest::newRow("3") << "3" << "35" << "5";
        QTest::newRow("2") << "2" << "2,5" << ",5";
        QTest::newRow("18") << "18" << "185" << "5";
        QTest::newRow("4") << "4" << "4" << "";
    }
    void typingCompletesToTheFirstMatchingItem()
    {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(QString, selected);
        Open();
        Type(form->ComboBox1, typed);
        QCOMPARE(form->ComboBox1->currentText(), text);
        QCOMPARE(form->ComboBox1->lineEdit()->selectedText(), selected);
        QVERIFY2(form->Button1->isEnabled(), "a completed item counts as chosen");
    }

    void aTextThatCompletesToNoItemEnablesNothing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("8") << "8";
        QTest::newRow("0") << "0";
        QTest::newRow("comma") << ",";
        QTest::newRow("letter") << "x";
        QTest::newRow("backspace") << "\b";
    }
    void aTextThatCompletesToNoItemEnablesNothing()
    {
        QFETCH(QString, typed);
        Open();
        Type(form->ComboBox1, typed);
        QCOMPARE(form->ComboBox1->currentText(), typed == "\b" ? QString() : typed);
        QVERIFY(!form->Button1->isEnabled());
        QTest::keyClick(form->ComboBox1, Qt::Key_Return);
        QVERIFY(!form->Button1->isEnabled());
        QCOMPARE(form->ComboBox1->count(), 15);
    }

    void aTypedSectionGivesItsRatedCurrent_data() { AddDataRows(WorkedExamples("Form7")); }
    void aTypedSectionGivesItsRatedCurrent()
    {
        QFETCH(TableRow, row);
        OpenForRow(*program, row);
        FaultBoxWatcher faults;
        Perform(form, row.steps);
        QCOMPARE(ShownResults(form, row), row.results);
        QCOMPARE(faults.Count(), 0);
    }

    void withThePointTheItemsWithACommaAreNoNumbers()
    {
        SwitchLocale(QLocale::English, QLocale::UnitedStates);
        Open();
        PickSection("50");
        Click(form->Button1);
        QCOMPARE(form->Edit2->text(), QString("190"));
        FaultBoxWatcher faults;
        PickSection("1,5");
        Click(form->Button1);
        QCOMPARE(faults.Count(), 1);
        QCOMPARE(faults.Text(), QString("'1,5' is not a valid floating point value."));
        QCOMPARE(form->Edit2->text(), QString("190"));
        PickSection("2,5");
        Click(form->Button1);
        QCOMPARE(faults.Text(), QString("'2,5' is not a valid floating point value."));
        TypeSection("1.5");
        Click(form->Button1);
        QCOMPARE(form->Edit2->text(), QString("20"));
        QCOMPARE(faults.Count(), 2);
    }

    void anEmptyTextGivesTheConversionMessage()
    {
        Open();
        TypeSection("70");
        Click(form->Button1);
        ClearSection();
        QVERIFY(form->Button1->isEnabled());
        FaultBoxWatcher faults;
        Click(form->Button1);
        QCOMPARE(faults.Count(), 1);
        QCOMPARE(faults.Text(), QString("'' is not a valid floating point value."));
        QCOMPARE(form->Edit2->text(), QString("225"));
        QVERIFY(form->StampaCTRLMAIUSCF121->isEnabled());
        QCOMPARE(VisibleWindows(*program), QStringList{"Form7"});
    }

    void aFailedPrintLeavesStampaEnabled()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("a default printer is installed");
        Open();
        TypeSection("95");
        Click(form->Button1);
        FaultBoxWatcher faults;
        QVERIFY(ChooseMenuItem(*form, form->StampaCTRLMAIUSCF121));
        QCOMPARE(faults.Count(), 1);
        QCOMPARE(faults.Text(), QString("There is no default printer currently selected."));
        QVERIFY(form->StampaCTRLMAIUSCF121->isEnabled());
        QCOMPARE(form->Edit2->text(), QString("275"));
    }

    void printingDisablesStampaUntilTheNextCalcola()
    {
        if (QPrinterInfo::defaultPrinter().isNull())
            QSKIP("no default printer is installed");
        Open();
        TypeSection("95");
        Click(form->Button1);
        QVERIFY(ChooseMenuItem(*form, form->StampaCTRLMAIUSCF121));
        QVERIFY(!form->StampaCTRLMAIUSCF121->isEnabled());
        FaultBoxWatcher faults;
        TypeSection("x");
        Click(form->Button1);
        QCOMPARE(faults.Count(), 1);
        QVERIFY2(form->StampaCTRLMAIUSCF121->isEnabled(), "Calcola offers Stampa again even when it fails");
    }

    void reopeningPreparesTheWindowAgain()
    {
        Open();
        TypeSection("150");
        Click(form->Button1);
        QVERIFY(ChooseMenuItem(*form, form->ChiudiALTF41));
        QCOMPARE(VisibleWindows(*program), QStringList{"Form1"});
        QCOMPARE(form->Edit2->text(), QString("375"));  // a hidden window keeps its contents
        Open();
        QCOMPARE(form->ComboBox1->currentText(), QString());
        QCOMPARE(form->Edit2->text(), QString());
        QVERIFY(!form->Button1->isEnabled());
        QVERIFY(!form->StampaCTRLMAIUSCF121->isEnabled());
        QTest::keyClick(form->ComboBox1, Qt::Key_Down);
        QCOMPARE(form->ComboBox1->currentText(), QString("1,5"));
        CloseBySystem(*form);
        QCOMPARE(VisibleWindows(*program), QStringList{"Form1"});
    }
};

QTEST_MAIN(Form7Test)
#include "form7_test.moc"
