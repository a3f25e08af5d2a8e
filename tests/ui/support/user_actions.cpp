#include "user_actions.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWindow>
#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <string>
#endif

#include "app/windows.h"

namespace {

// The headless platform says at every window what it cannot do; that is no news for a test.
QtMessageHandler previousHandler = nullptr;

void QuietHeadlessPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    previousHandler(type, context, message);
}


}  // namespace


void SwitchLocale(QLocale::Language language, QLocale::Territory territory)
{
#ifdef Q_OS_WIN
    // On Windows' own display the decimal symbol changes as the control panel
    // changes it: in the user's regional settings, announced to every window.
    if (QGuiApplication::platformName() == QLatin1String("windows")) {
        QLocale::setDefault(QLocale::system());
        const std::wstring symbol = QLocale(language, territory).decimalPoint().toStdWString();
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, symbol.c_str());
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"),
                            SMTO_ABORTIFHUNG, 5000, &answer);
        QCoreApplication::processEvents();
        return;
    }
#endif
    QLocale::setDefault(QLocale(language, territory));
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(qApp, &change);
}

std::unique_ptr<Windows> StartProgram()
{
    // After the test framework's own handler, which it installs when the run starts.
    static const bool quieted = [] {
        previousHandler = qInstallMessageHandler(QuietHeadlessPlatform);
        return true;
    }();
    Q_UNUSED(quieted);
    auto windows = std::make_unique<Windows>();
    windows->Form1.show();
    if (!QTest::qWaitForWindowExposed(&windows->Form1))
        qFatal("the main window was not shown");
    return windows;
}

QStringList VisibleWindows(Windows& windows)
{
    QStringList names;
    for (const QWidget* window : windows.All())
        if (window->isVisible())
            names << window->objectName();
    return names;
}

QWidget* WindowNamed(Windows& windows, const QString& name)
{
    for (QWidget* window : windows.All())
        if (window->objectName() == name)
            return window;
    return nullptr;
}

void Type(QWidget* control, const QString& text)
{
    for (const QChar c : text) {
        if (c == QLatin1Char('\b'))
            QTest::keyClick(control, Qt::Key_Backspace);
        else
            QTest::keyClicks(control, QString(c));
    }
}

void ClearByKeys(QLineEdit* box)
{
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
}

void Retype(const QList<QLineEdit*>& boxes, const QStringList& texts)
{
    for (qsizetype i = 0; i < texts.size(); ++i) {
        ClearByKeys(boxes[i]);
        Type(boxes[i], texts[i]);
    }
}

void Click(QWidget* control)
{
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

bool ChooseMenuItem(QMainWindow& window, QAction* item)
{
    QMenuBar* bar = window.menuBar();
    for (QAction* entry : bar->actions()) {
        QMenu* menu = entry->menu();
        if (menu == nullptr || !menu->actions().contains(item))
            continue;
        // The pointer travels to the title, then to the item, as a user's does: a
        // menu takes a press only from a pointer that has moved since it opened.
        const QPoint title = bar->actionGeometry(entry).center();
        MovePointerInWindow(bar, title);
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, title);
        if (!QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000))
            return false;
        const QPoint where = menu->actionGeometry(item).center();
        MovePointerInWindow(menu, where);
        QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, where);
        // A disabled item leaves its menu open: close it as a user would.
        if (menu->isVisible())
            menu->close();
        return true;
    }
    return false;
}

void CloseBySystem(QWidget& window)
{
    // A window never shown has no close box to press.
    if (QWindow* shown = window.windowHandle())
        shown->close();
    else
        QTest::qFail(qPrintable(window.objectName() + " is not on the screen to close"), __FILE__, __LINE__);
}

void MovePointer(QWidget* control)
{
    QTest::mouseMove(control, control->rect().center());
}

void MovePointer(QWidget* surface, QPoint point)
{
    QTest::mouseMove(surface, point);
}

void MovePointerInWindow(QWidget* control, QPoint point)
{
    QWidget* window = control->window();
    QTest::mouseMove(window->windowHandle(), control->mapTo(window, point));
}

FaultBoxWatcher::FaultBoxWatcher()
{
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start(5);
}

FaultBoxWatcher::~FaultBoxWatcher() = default;

void FaultBoxWatcher::Poll()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible())
        return;
    ++count_;
    text_ = box->text();
    title_ = box->windowTitle();
    icon_ = box->icon();
    frame_ = box->frameGeometry();
    screenRoom_ = box->screen()->availableGeometry();
    if (QAbstractButton* ok = box->button(QMessageBox::Ok))
        ok->click();
    else
        box->reject();
}
