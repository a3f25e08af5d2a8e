// A megabyte pasted into an input box of each calculator window, and pages of
// words into one: the box keeps what it can hold, "Calcola" stops with the
// conversion message that names the whole text, and the program goes on.
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>

#include "app/windows.h"
#include "support/more_user_actions.h"
#include "support/user_actions.h"

namespace {

const QString FloatingPointSuffix = "' is not a valid floating point value.";
const QString IntegerSuffix = "' is not a valid integer value.";

// Digits only: far beyond the range of any number, so it is no number either.
QString Megabyte()
{
    QString text;
    text.reserve(1 << 20);
    while (text.size() < (1 << 20))
        text += QLatin1String("0123456789");
    text.truncate(1 << 20);
    return text;
}

void Enter(QLineEdit* box, const QString& text)
{
    Retype({box}, {text});
}

struct Case {
    const char* name;
    QString window;
    // Opens the window and fills in every other box, so the pasted text is all that is wrong.
    std::function<void(Windows&)> prepare;
    std::function<QWidget*(Windows&)> pasteInto;
    std::function<QLineEdit*(Windows&)> box;  // the edit box that shows the pasted text
    std::function<QPushButton*(Windows&)> button;
    QString suffix;
    // Puts a number in the box instead and calculates again; gives the result as shown.
    std::function<QString(Windows&)> calculateAgain;
    QString result;
};

const std::vector<Case>& Cases()
{
    static const std::vector<Case> cases{
        {"load current, Fc", "Form3",
         [](Windows& w) {
             Click(w.Form1.Button1);
             Click(w.Form2.Button1);
             Type(w.Form3.Edit1, "1");
             Click(w.Form3.Button1);
             Type(w.Form3.Edit2, "1");
             Type(w.Form3.Edit3, "230");
             Type(w.Form3.Edit5, "3");
             Type(w.Form3.Edit4, "0.9");
         },
         [](Windows& w) { return w.Form3.Edit2; }, [](Windows& w) { return w.Form3.Edit2; },
         [](Windows& w) { return w.Form3.Button2; }, FloatingPointSuffix,
         [](Windows& w) {
             Enter(w.Form3.Edit2, "0.7");
             Click(w.Form3.Button2);
             return w.Form3.Edit24->text();
         },
         "14.4927536231884"},
        {"load current, number of loads", "Form3",
         [](Windows& w) {
             Click(w.Form1.Button1);
             Click(w.Form2.Button1);
             Type(w.Form3.Edit1, "1");
             Click(w.Form3.Button1);
             Type(w.Form3.Edit2, "0.7");
             Type(w.Form3.Edit3, "230");
             Type(w.Form3.Edit5, "3");
             Type(w.Form3.Edit4, "0.9");
             Type(w.Form3.Edit1, "\b");
         },
         [](Windows& w) { return w.Form3.Edit1; }, [](Windows& w) { return w.Form3.Edit1; },
         [](Windows& w) { return w.Form3.Button1; }, IntegerSuffix,
         [](Windows& w) {
             Enter(w.Form3.Edit1, "1");
             Click(w.Form3.Button1);
             Click(w.Form3.Button2);
             return w.Form3.Edit24->text();
         },
         "14.4927536231884"},
        {"cable section", "Form5",
         [](Windows& w) {
             Click(w.Form1.Button2);
             Type(w.Form5.Edit1, "1");
         },
         [](Windows& w) { return w.Form5.Edit1; }, [](Windows& w) { return w.Form5.Edit1; },
         [](Windows& w) { return w.Form5.Button1; }, FloatingPointSuffix,
         [](Windows& w) {
             Enter(w.Form5.Edit1, "35");
             Click(w.Form5.Button1);
             return w.Form5.Edit2->text();
         },
         "4"},
        {"voltage drop", "Form6",
         [](Windows& w) {
             Click(w.Form1.Button3);
             Click(w.Form6.RadioButton1);
             Type(w.Form6.Edit1, "1");
             Type(w.Form6.Edit2, "16");
             Type(w.Form6.Edit3, "25");
             Type(w.Form6.Edit4, "2.5");
         },
         [](Windows& w) { return w.Form6.Edit1; }, [](Windows& w) { return w.Form6.Edit1; },
         [](Windows& w) { return w.Form6.Button1; }, FloatingPointSuffix,
         [](Windows& w) {
             Enter(w.Form6.Edit1, "230");
             Click(w.Form6.Button1);
             return w.Form6.Edit6->text();
         },
         "2.78260869565217"},
        {"protection", "Form7",
         [](Windows& w) {
             Click(w.Form1.Button4);
             QVERIFY(PickListItem(w.Form7.ComboBox1, w.Form7.ComboBox1->findText("4")));
         },
         [](Windows& w) { return w.Form7.ComboBox1; }, [](Windows& w) { return w.Form7.ComboBox1->lineEdit(); },
         [](Windows& w) { return w.Form7.Button1; }, FloatingPointSuffix,
         [](Windows& w) {
             Enter(w.Form7.ComboBox1->lineEdit(), "50");
             Click(w.Form7.Button1);
             return w.Form7.Edit2->text();
         },
         "190"},
        {"power factor", "Form8",
         [](Windows& w) {
             Click(w.Form1.Button5);
             Type(w.Form8.Edit1, "1");
             Type(w.Form8.Edit2, "0.6");
             Type(w.Form8.Edit3, "0.8");
         },
         [](Windows& w) { return w.Form8.Edit1; }, [](Windows& w) { return w.Form8.Edit1; },
         [](Windows& w) { return w.Form8.Button1; }, FloatingPointSuffix,
         [](Windows& w) {
             Enter(w.Form8.Edit1, "30");
             Click(w.Form8.Button1);
             return w.Form8.Edit4->text();
         },
         "17.5"},
        {"cable short circuit", "Form12",
         [](Windows& w) {
             Click(w.Form1.Button6);
             Click(w.Form9.Button1);
             Click(w.Form10.Button1);
             Type(w.Form12.Edit1, "1");
             Type(w.Form12.Edit2, "50");
             Type(w.Form12.Edit3, "16");
             Type(w.Form12.Edit4, "16");
         },
         [](Windows& w) { return w.Form12.Edit1; }, [](Windows& w) { return w.Form12.Edit1; },
         [](Windows& w) { return w.Form12.Button1; }, FloatingPointSuffix,
         [](Windows& w) {
             Enter(w.Form12.Edit1, "10");
             Click(w.Form12.Button1);
             return w.Form12.Edit5->text();
         },
         "1.63701067615658"},
        {"busbar short circuit", "Form13",
         [](Windows& w) {
             Click(w.Form1.Button6);
             Click(w.Form9.Button2);
             Type(w.Form13.Edit1, "1");
             Type(w.Form13.Edit2, "30");
             Type(w.Form13.Edit3, "1000");
         },
         [](Windows& w) { return w.Form13.Edit1; }, [](Windows& w) { return w.Form13.Edit1; },
         [](Windows& w) { return w.Form13.Button1; }, FloatingPointSuffix,
         [](Windows& w) {
             Enter(w.Form13.Edit1, "25");
             Click(w.Form13.Button1);
             return w.Form13.Edit5->text();
         },
         "14.6168224299065"},
    };
    return cases;
}

}  // namespace

class LongInputTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Windows> program;

private slots:
    void init()
    {
        // The worked results below are written with the point.
        QLocale::setDefault(QLocale::c());
        QEvent change(QEvent::LocaleChange);
        QCoreApplication::sendEvent(qApp, &change);
        program = StartProgram();
    }
    void cleanup() { program.reset(); }

    void aPastedMegabyteIsNamedByTheConversionMessage_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("pasted");
        for (int i = 0; i < int(Cases().size()); ++i)
            QTest::newRow(Cases()[i].name) << i << Megabyte();
        QTest::newRow("power factor, words") << 5 << QString("la corrente di cortocircuito ").repeated(173);
    }
    void aPastedMegabyteIsNamedByTheConversionMessage()
    {
        QFETCH(int, index);
        QFETCH(QString, pasted);
        const Case& c = Cases()[index];
        Windows& w = *program;
        c.prepare(w);
        QCOMPARE(VisibleWindows(w), QStringList{c.window});
        QVERIFY(c.button(w)->isEnabled());

        PasteOver(c.pasteInto(w), pasted);
        QLineEdit* box = c.box(w);
        qInfo("the box took %lld of the %lld characters pasted", qlonglong(box->text().size()),
              qlonglong(pasted.size()));
        // The box holds at most its maximum length; the rest of the paste is cut off.
        QCOMPARE(box->text().size(), qMin(pasted.size(), qsizetype(box->maxLength())));
        QVERIFY(pasted.startsWith(box->text()));

        FaultBoxWatcher faults;
        Click(c.button(w));
        QCOMPARE(faults.Count(), 1);
        QVERIFY(faults.Text().startsWith("'" + pasted.left(40)));
        QVERIFY(faults.Text() == "'" + box->text() + c.suffix);
        // The message, one unbreakable word or many, wraps and scrolls within the screen.
        qInfo() << "fault box" << faults.Frame() << "on a screen with room" << faults.ScreenRoom();
        QVERIFY(faults.ScreenRoom().contains(faults.Frame()));
        QCOMPARE(VisibleWindows(w), QStringList{c.window});

        QCOMPARE(c.calculateAgain(w), c.result);
        QCOMPARE(faults.Count(), 1);
        QCOMPARE(VisibleWindows(w), QStringList{c.window});
    }
};

QTEST_MAIN(LongInputTest)
#include "long_input_test.moc"
