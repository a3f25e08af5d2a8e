#include "app/navigation.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <functional>
#include <vector>

#include "app/handlers.h"
#include "app/windows.h"

using calc::LineTopology;

namespace {

struct Opening {
    QWidget* from;
    QObject* trigger;  // a button or a menu item of the source
    QWidget* to;
    std::function<void()> prepareTarget;  // runs after the target is shown
};

std::vector<Opening> OpeningTable(Windows& w)
{
    return {
        {&w.Form1, w.Form1.Button1, &w.Form2, nullptr},
        {&w.Form1, w.Form1.Button2, &w.Form5, [&w] { w.Form5.PrepareForOpening(); }},
        {&w.Form1, w.Form1.Button3, &w.Form6, [&w] { w.Form6.PrepareForOpening(); }},
        {&w.Form1, w.Form1.Button4, &w.Form7, [&w] { w.Form7.PrepareForOpening(); }},
        {&w.Form1, w.Form1.Button5, &w.Form8, [&w] { w.Form8.PrepareForOpening(); }},
        {&w.Form1, w.Form1.Button6, &w.Form9, nullptr},
        {&w.Form1, w.Form1.Info1, &w.Form4, nullptr},
        {&w.Form2, w.Form2.Button1, &w.Form3, [&w] { w.Form3.SetLineKind(LineTopology::SinglePhase); }},
        {&w.Form2, w.Form2.Button2, &w.Form3, [&w] { w.Form3.SetLineKind(LineTopology::ThreePhaseWithNeutral); }},
        {&w.Form9, w.Form9.Button1, &w.Form10, nullptr},
        {&w.Form9, w.Form9.Button2, &w.Form13, [&w] { w.Form13.PrepareForOpening(); }},
        {&w.Form10, w.Form10.Button1, &w.Form12,
         [&w] { w.Form12.SetUpForTopology(LineTopology::ThreePhaseWithNeutral); }},
        {&w.Form10, w.Form10.Button2, &w.Form12,
         [&w] { w.Form12.SetUpForTopology(LineTopology::ThreePhaseWithoutNeutral); }},
        {&w.Form10, w.Form10.Button3, &w.Form12, [&w] { w.Form12.SetUpForTopology(LineTopology::SinglePhase); }},
    };
}

struct Closing {
    QWidget* window;
    QWidget* returnsTo;
};

// The routes are kept in a data file that the browser face reads too.
std::vector<Closing> ClosingTable(Windows& w)
{
    return {
#define CLOSING_ROUTE(window, returnsTo) {&w.window, &w.returnsTo},
#include "app/closing_routes.inc"
#undef CLOSING_ROUTE
    };
}

// Closing the main window ends the event loop, and with it the program.
class EndOfProgram : public QObject {
public:
    explicit EndOfProgram(QWidget* mainWindow) : QObject(mainWindow) { mainWindow->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parent() && event->type() == QEvent::Close)
            QCoreApplication::quit();
        return false;
    }
};

// A window's close path (close box, Alt+F4, its Chiudi item): the route's
// window is shown, then Qt hides the closing one.
class CloseRoute : public QObject {
public:
    CloseRoute(QWidget* window, QWidget* returnsTo) : QObject(window), window_(window), returnsTo_(returnsTo)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::Close && window_->isVisible())
            ShowWindow(*returnsTo_);
        return false;
    }

private:
    QWidget* window_;
    QWidget* returnsTo_;
};

void BindTrigger(const Opening& opening)
{
    const auto open = [opening] {
        ShowInstead(*opening.from, *opening.to);
        if (opening.prepareTarget)
            opening.prepareTarget();
    };
    if (auto* button = qobject_cast<QAbstractButton*>(opening.trigger))
        Bind(button, &QAbstractButton::clicked, opening.from, open);
    else if (auto* item = qobject_cast<QAction*>(opening.trigger))
        Bind(item, &QAction::triggered, opening.from, open);
}

}  // namespace

void ShowWindow(QWidget& window)
{
    window.setVisible(true);
}

void ShowInstead(QWidget& from, QWidget& to)
{
    ShowWindow(to);
    from.hide();
}

void InstallNavigation(Windows& windows)
{
    for (const Opening& opening : OpeningTable(windows))
        BindTrigger(opening);
    for (const Closing& closing : ClosingTable(windows))
        new CloseRoute(closing.window, closing.returnsTo);
    new EndOfProgram(&windows.Form1);
}
