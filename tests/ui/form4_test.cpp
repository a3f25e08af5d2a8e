// The Info window: its credits, the link, and the way back.
#include <QApplication>
#include <QDesktopServices>
#include <QTest>
#include <QUrl>

#include "app/windows.h"
#include "support/user_actions.h"

// Stands in for the system's handler of web addresses.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened << url; }
};

class Form4Test : public QObject {
    Q_OBJECT

    std::unique_ptr<Windows> program;
    TForm4* form = nullptr;

    void Open()
    {
        QVERIFY(ChooseMenuItem(program->Form1, program->Form1.Info1));
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

private slots:
    void init()
    {
        program = StartProgram();
        form = &program->Form4;
    }
    void cleanup() { program.reset(); }

    void showsTheCredits()
    {
        Open();
        QCOMPARE(form->windowTitle(), QString("Info ..."));
        QCOMPARE(form->Image1->pixmap().size(), QSize(265, 49));
        QCOMPARE(form->Label6->text(), QString("Ardenor - Formazione Professionale"));
        QVERIFY(form->Label1->text().startsWith("Software realizzato da: "));
        QVERIFY(form->Label1->text().size() > QString("Software realizzato da: ").size());
        QCOMPARE(form->Label2->text(), QString("Procedure di calcolo a cura di: "));
        QVERIFY(form->Label4->text().endsWith(","));
        QCOMPARE(form->Label4->text().count(','), 2);
        QCOMPARE(form->Label8->text().count(','), 1);
        QVERIFY(form->Label5->text().startsWith("https://"));
        QVERIFY(form->Label3->text().endsWith(".example"));
        QVERIFY(form->Label7->text().endsWith(".example"));
        QCOMPARE(form->Label5->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(form->BrowseURL1.text(), QString("&Browse URL"));
        QCOMPARE(form->BrowseURL1.toolTip(), QString("Browse URL"));
        QCOMPARE(form->BrowseURL1.property("category").toString(), QString("Internet"));
        for (QLabel* label : form->findChildren<QLabel*>())
            QVERIFY2(label->geometry().right() < form->width(), qPrintable(label->objectName()));
    }

    void clickingTheLinkOrPressingItOpensItEachTime()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("http", &catcher, "Open");
        QDesktopServices::setUrlHandler("https", &catcher, "Open");
        Open();
        Click(form->Label5);
        Click(form->Label5);
        QVERIFY(QTest::qWaitForWindowActive(form));  // and from the keyboard: Tab from OK, Space or Return
        const QImage unmarked = form->Label5->grab().toImage();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->Label5);
        QVERIFY2(form->Label5->grab().toImage() != unmarked, "the focus shows where it is");
        QTest::keyClick(form->Label5, Qt::Key_Space);
        QTest::keyClick(form->Label5, Qt::Key_Return);
        QDesktopServices::unsetUrlHandler("http");
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(catcher.opened.size(), 4);
        // The scheme handed over is the one the label shows, never a plain http.
        QCOMPARE(catcher.opened.at(0), QUrl(form->Label5->text()));
        QCOMPARE(catcher.opened.at(0).scheme(), QString("https"));
        QCOMPARE(catcher.opened.at(3), catcher.opened.at(0));
        QCOMPARE(VisibleWindows(*program), QStringList{"Form4"});
    }

    void theEmailAddressesDoNothing()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("mailto", &catcher, "Open");
        Open();
        Click(form->Label3);
        Click(form->Label7);
        QDesktopServices::unsetUrlHandler("mailto");
        QCOMPARE(catcher.opened.size(), 0);
        QCOMPARE(VisibleWindows(*program), QStringList{"Form4"});
    }

    void okAndTheCloseBoxReturnToTheMainWindow()
    {
        Open();
        Click(form->Button1);
        QCOMPARE(VisibleWindows(*program), QStringList{"Form1"});
        Open();
        CloseBySystem(*form);
        QCOMPARE(VisibleWindows(*program), QStringList{"Form1"});
    }
};

QTEST_MAIN(Form4Test)
#include "form4_test.moc"
