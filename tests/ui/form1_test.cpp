// The main window: what it shows, where each button leads, and the end of the program.
#include <QTimer>
#include <functional>
#include <QTest>

#include "app/windows.h"
#include "support/user_actions.h"

class Form1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<Windows> program;

    // Runs the program's event loop, does the action in it, and returns the
    // loop's exit code: -1 when it was still running a second later.
    static int RunEventLoopUntilItEnds(const std::function<void()>& action)
    {
        QTimer::singleShot(0, action);
        QTimer deadline;
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
        deadline.start(1000);
        return QCoreApplication::exec();
    }

private slots:
    void init() { program = StartProgram(); }
    void cleanup() { program.reset(); }

    void showsTheDesign()
    {
        TForm1& form = program->Form1;
        QCOMPARE(VisibleWindows(*program), QStringList{"Form1"});
        QCOMPARE(form.windowTitle(), QString("Voltaris BT"));
        QCOMPARE(form.Label1->text(), QString("Ardenor - Formazione Professionale"));
        QCOMPARE(form.Label2->text(), QString("VOLTARIS"));
        QCOMPARE(form.Label3->text(), QString("BT"));
        QCOMPARE(form.Image1->pixmap().size(), QSize(265, 57));
        QCOMPARE(form.File1->title(), QString("File"));
        QCOMPARE(form.EsciALTF41->text(), QString("Esci                 ALT+F4"));
        QCOMPARE(form.N1->title(), QString("?"));
        QCOMPARE(form.Info1->text(), QString("Info ..."));
        QCOMPARE(form.ClientArea->geometry().width(), 500);
        QVERIFY(!form.windowIcon().isNull());
    }

    void everyCaptionFitsItsControl()
    {
        for (QPushButton* button : program->Form1.findChildren<QPushButton*>()) {
            const QString caption = button->text();
            QVERIFY2(button->fontMetrics().horizontalAdvance(caption) + 8 <= button->width(), qPrintable(caption));
            // A blank after a capital A, as drawn, keeps three quarters of its width: the
            // font kerns the pair by a fifth of it, whole pixels took a third.
            const QFontMetricsF drawn(button->font());
            for (qsizetype at = caption.indexOf("A "); at >= 0; at = caption.indexOf("A ", at + 1))
                QVERIFY2(drawn.horizontalAdvance(caption.mid(at, 3)) - drawn.horizontalAdvance(caption.mid(at, 1) + caption[at + 2]) >=
                             0.75 * drawn.horizontalAdvance(' '),
                         qPrintable(caption));
        }
        const QRect bevel = program->Form1.Bevel1->geometry();
        QVERIFY(bevel.contains(program->Form1.Label2->geometry()));
        QVERIFY(bevel.contains(program->Form1.Label3->geometry()));
    }

    void tabbingFollowsTheButtonsWithRifasamentoBeforeCortocircuito()
    {
        TForm1& form = program->Form1;
        form.Button1->setFocus();
        QList<QWidget*> order{form.Button1};
        for (int i = 0; i < 5; ++i)
            order << order.last()->nextInFocusChain();
        QCOMPARE(order, (QList<QWidget*>{form.Button1, form.Button2, form.Button3, form.Button4, form.Button5,
                                         form.Button6}));
    }

    void eachButtonOpensItsWindowAndClosingReturns_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("opens");
        QTest::newRow("load current") << "Button1" << "Form2";
        QTest::newRow("cable section") << "Button2" << "Form5";
        QTest::newRow("voltage drop") << "Button3" << "Form6";
        QTest::newRow("protection") << "Button4" << "Form7";
        QTest::newRow("power factor") << "Button5" << "Form8";
        QTest::newRow("short circuit") << "Button6" << "Form9";
    }
    void eachButtonOpensItsWindowAndClosingReturns()
    {
        QFETCH(QString, button);
        QFETCH(QString, opens);
        Click(program->Form1.findChild<QPushButton*>(button));
        QCOMPARE(VisibleWindows(*program), QStringList{opens});
        CloseBySystem(*WindowNamed(*program, opens));
        QCOMPARE(VisibleWindows(*program), QStringList{"Form1"});
    }

    void infoOpensTheInfoWindow()
    {
        QVERIFY(ChooseMenuItem(program->Form1, program->Form1.Info1));
        QCOMPARE(VisibleWindows(*program), QStringList{"Form4"});
    }

    void esciEndsTheProgram()
    {
        Click(program->Form1.Button2);
        Type(program->Form5.Edit1, "100");
        Click(program->Form5.Button1);
        CloseBySystem(program->Form5);
        QCOMPARE(RunEventLoopUntilItEnds([this] { ChooseMenuItem(program->Form1, program->Form1.EsciALTF41); }),
                 0);
        QCOMPARE(VisibleWindows(*program), QStringList{});
    }

    void theCloseBoxEndsTheProgram()
    {
        QCOMPARE(RunEventLoopUntilItEnds([this] { CloseBySystem(program->Form1); }), 0);
        QCOMPARE(VisibleWindows(*program), QStringList{});
    }

    void closingAnotherWindowDoesNotEndTheProgram()
    {
        Click(program->Form1.Button1);
        QCOMPARE(RunEventLoopUntilItEnds([this] { CloseBySystem(program->Form2); }), -1);
        QCOMPARE(VisibleWindows(*program), QStringList{"Form1"});
    }

    void shortcutsNamedInCaptionsDoNothing()
    {
        QTest::keyClick(&program->Form1, Qt::Key_F4, Qt::AltModifier);
        QTest::keyClick(&program->Form1, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(VisibleWindows(*program), QStringList{"Form1"});
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
