// The cable-section window, driven as a user drives it.
#include <QLocale>
#include <QTest>

#include "app/windows.h"
#include "support/user_actions.h"

class Form5Test : public QObject {
    Q_OBJECT

    std::unique_ptr<Windows> program;
    TForm5* form = nullptr;

    void Open()
    {
        Click(program->Form1.Button2);
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    void Calculate(const QString& designCurrent)
    {
        ClearByKeys(form->Edit1);
        Type(form->Edit1, designCurrent);
        Click(form->Button1);
    }

private slots:
    void init()
    {
        SwitchToItalian();
        program = StartProgram();
        form = &program->Form5;
    }
    void cleanup() { program.reset(); }

    void opensFromTheMainWindowReset()
    {
        Open();
        QCOMPARE(VisibleWindows(*program), QStringList{"Form5"});
        QCOMPARE(form->windowTitle(), QString("Scelta della sezione dei cavi"));
        QVERIFY(!form->Button1->isEnabled());
        QVERIFY(!form->Edit2->isEnabled());
        QVERIFY(!form->Edit3->isEnabled());
        QVERIFY(form->Edit1->isEnabled());
        QVERIFY(!form->NuovoCTRLN1->isEnabled());
        QVERIFY(!form->StampaCTRLMAIUSCF121->isEnabled());
        QVERIFY(form->Label10->isVisible());
    }

    void choosesTheSectionForADesignCurrent_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("capacity");
        QTest::newRow("35") << "35" << "4" << "35";
        QTest::newRow("35,01") << "35,01" << "6" << "46";
        QTest::newRow("20") << "20" << "1,5" << "20";
        QTest::newRow("0") << "0" << "1,5" << "20";
        QTest::newRow("-10") << "-10" << "1,5" << "20";
        QTest::newRow("522") << "522" << "240" << "522";
        QTest::newRow("blanks around") << " 100 " << "25" << "112";
    }
    void choosesTheSectionForADesignCurrent()
    {
        QFETCH(QString, current);
        QFETCH(QString, section);
        QFETCH(QString, capacity);
        Open();
        Calculate(current);
        QCOMPARE(form->Edit2->text(), section);
        QCOMPARE(form->Edit3->text(), capacity);
        QVERIFY(form->Edit2->isEnabled() && form->Edit3->isEnabled());
        QVERIFY(form->NuovoCTRLN1->isEnabled() && form->StampaCTRLMAIUSCF121->isEnabled());
    }

    void aCurrentAboveTheTableEmptiesTheResults()
    {
        Open();
        Calculate("100");
        QCOMPARE(form->Edit2->text(), QString("25"));
        FaultBoxWatcher faults;
        Calculate("523");
        QCOMPARE(form->Edit2->text(), QString());
        QCOMPARE(form->Edit3->text(), QString());
        QCOMPARE(faults.Count(), 0);
    }

    void anEmptyBoxGivesTheConversionMessage()
    {
        Open();
        Type(form->Edit1, "\b");
        QVERIFY(form->Button1->isEnabled());
        FaultBoxWatcher faults;
        Click(form->Button1);
        QCOMPARE(faults.Count(), 1);
        QCOMPARE(faults.Text(), QString("'' is not a valid floating point value."));
        QCOMPARE(faults.Title(), QString("form5_test"));
        QCOMPARE(faults.Icon(), QMessageBox::Critical);
        QVERIFY(form->NuovoCTRLN1->isEnabled());
        QVERIFY(form->StampaCTRLMAIUSCF121->isEnabled());
        QVERIFY(form->Edit2->isEnabled());
        QCOMPARE(VisibleWindows(*program), QStringList{"Form5"});
    }

    void aFaultKeepsEarlierResults()
    {
        Open();
        Calculate("35");
        FaultBoxWatcher faults;
        Calculate("3.5");
        QCOMPARE(faults.Text(), QString("'3.5' is not a valid floating point value."));
        QCOMPARE(form->Edit2->text(), QString("4"));
        QCOMPARE(form->Edit3->text(), QString("35"));
    }

    void followsTheLocaleDecimalSeparator()
    {
        Open();
        SwitchLocale(QLocale::English, QLocale::UnitedStates);
        Calculate("1.5");
        QCOMPARE(form->Edit2->text(), QString("1.5"));
        FaultBoxWatcher faults;
        Calculate("35,01");
        QCOMPARE(faults.Text(), QString("'35,01' is not a valid floating point value."));
    }

    void nuovoClearsButLeavesTheResultBoxesEnabled()
    {
        Open();
        Calculate("100");
        QVERIFY(ChooseMenuItem(*form, form->NuovoCTRLN1));
        QCOMPARE(form->Edit1->text(), QString());
        QCOMPARE(form->Edit2->text(), QString());
        QCOMPARE(form->Edit3->text(), QString());
        QVERIFY(form->Edit2->isEnabled() && form->Edit3->isEnabled());
        QVERIFY(!form->Button1->isEnabled());
        QVERIFY(!form->NuovoCTRLN1->isEnabled());
        QVERIFY(!form->StampaCTRLMAIUSCF121->isEnabled());
    }

    void reopeningResetsWhatWasLeft()
    {
        Open();
        Calculate("100");
        QVERIFY(ChooseMenuItem(*form, form->ChiudiALTF41));
        QCOMPARE(VisibleWindows(*program), QStringList{"Form1"});
        QCOMPARE(form->Edit2->text(), QString("25"));  // a hidden window keeps its contents
        Open();
        QCOMPARE(form->Edit1->text(), QString());
        QCOMPARE(form->Edit2->text(), QString());
        QVERIFY(!form->Edit2->isEnabled());
        QVERIFY(!form->Button1->isEnabled());
    }

    void typingEnablesCalcolaAndEmptyingDisablesNothing()
    {
        Open();
        Type(form->Edit1, "7");
        QVERIFY(form->Button1->isEnabled());
        ClearByKeys(form->Edit1);
        QVERIFY(form->Button1->isEnabled());
    }

    void arrowKeysAndShortcutsEnableNothing()
    {
        Open();
        QTest::keyClick(form->Edit1, Qt::Key_Left);
        QTest::keyClick(form->Edit1, Qt::Key_Delete);
        QTest::keyClick(form->Edit1, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(!form->Button1->isEnabled());
        Calculate("50");
        QTest::keyClick(form, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(form->Edit2->text(), QString("10"));  // Ctrl+N is a caption, not a shortcut
    }

    void theHintShowsOverTheCaptionAndHidesOverTheSurface()
    {
        Open();
        MovePointer(form->ClientArea, QPoint(10, 10));
        QVERIFY(!form->Label10->isVisible());
        MovePointer(form->Label38);
        QVERIFY(form->Label10->isVisible());
        MovePointer(form->Label2);
        QVERIFY2(form->Label10->isVisible(), "a caption without a handler changes nothing");
        MovePointer(form->ClientArea, QPoint(10, 300));
        QVERIFY(!form->Label10->isVisible());
        MovePointer(form->Label38);
        QVERIFY(form->Label10->isVisible());
        MovePointer(form->Button1);
        QVERIFY2(!form->Label10->isVisible(), "a disabled button passes the move on to the surface");
    }

    void closingReturnsToTheMainWindow()
    {
        Open();
        CloseBySystem(*form);
        QCOMPARE(VisibleWindows(*program), QStringList{"Form1"});
    }
};

QTEST_MAIN(Form5Test)
#include "form5_test.moc"
