#include "app/web/browser_page.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include "app/application_events.h"
#include "app/web/first_paint_mark.h"
#include "app/window_image.h"

namespace {

using emscripten::val;

QWidget* mainWindow = nullptr;
// While a window other than the main one shows, the history holds one entry
// of ours above the page's, which Back takes away.
bool entryPushed = false;
// Set when the program itself steps back over that entry, after a Chiudi.
bool ownStepBack = false;

QWidget* AsPlainWindow(QObject* receiver)
{
    auto* widget = qobject_cast<QWidget*>(receiver);
    return widget != nullptr && widget->isWindow() && widget->windowType() == Qt::Window ? widget : nullptr;
}

void Centre(QWidget& window)
{
    const QRect room = window.screen()->availableGeometry();
    const QSize frame = window.frameGeometry().size();
    // Never above or left of the page, where the title bar could not be reached.
    window.move(qMax(room.left(), room.center().x() + 1 - frame.width() / 2),
                qMax(room.top(), room.center().y() + 1 - frame.height() / 2));
}

void ShowCaptionInTab(const QWidget& window)
{
    val::global("document").set("title", window.windowTitle().toStdString());
}

void PushOurEntry()
{
    entryPushed = true;
    val::global("history").call<void>("pushState", val::object(), val(""));
}

void FollowHistory(const QWidget& window)
{
    if (&window == mainWindow) {
        if (entryPushed) {
            entryPushed = false;
            ownStepBack = true;
            val::global("history").call<void>("back");
        }
    } else if (!entryPushed) {
        PushOurEntry();
    }
}

void Shown(QObject* receiver)
{
    if (QWidget* window = AsPlainWindow(receiver)) {
        Centre(*window);
        ShowCaptionInTab(*window);
        FollowHistory(*window);
    }
}

void CaptionChanged(QObject* receiver)
{
    if (QWidget* window = AsPlainWindow(receiver); window != nullptr && window->isVisible())
        ShowCaptionInTab(*window);
}

// The browser went back over our entry: the visible window closes as by its
// Chiudi, or an open fault box as by its OK.
void BrowserBack()
{
    if (ownStepBack) {
        ownStepBack = false;
        return;
    }
    entryPushed = false;
    if (QWidget* box = QApplication::activeModalWidget()) {
        box->close();
        PushOurEntry();
        return;
    }
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != mainWindow && window->isVisible() && AsPlainWindow(window) != nullptr) {
            window->close();
            return;
        }
}

void RecentreVisibleWindows()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            Centre(*window);
}

// Marks the main window's first painting on the page's timeline, which the
// start-up measurements read.
class FirstPaintMark : public QObject {
public:
    explicit FirstPaintMark(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            MarkFirstPaint();
        }
        return false;
    }
};

// Qt's pixels to the page's, which differ by the scale the page chose.
double PageScale(const QWidget& window)
{
    return window.devicePixelRatioF() / val::global("devicePixelRatio").as<double>();
}

val PagePoint(const QWidget& window, QPoint point)
{
    const double toPage = PageScale(window);
    val xy = val::array();
    xy.call<void>("push", point.x() * toPage);
    xy.call<void>("push", point.y() * toPage);
    return xy;
}

// The windows the page shows, topmost last, where a user sees them in the
// page's pixels from the screen's corner: their caption, frame corners, and
// the corner of the client area that their designs place the controls in.
val VisibleWindows()
{
    val shown = val::array();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        val place = val::object();
        const QRect frame = window->frameGeometry();
        place.set("title", window->windowTitle().toStdString());
        place.set("dialog", window->windowType() == Qt::Dialog);
        place.set("topLeft", PagePoint(*window, frame.topLeft()));
        place.set("bottomRight", PagePoint(*window, frame.bottomRight() + QPoint(1, 1)));
        QWidget& client = ClientArea(*window);
        place.set("client", PagePoint(*window, client.mapToGlobal(QPoint(0, 0))));
        place.set("scale", PageScale(*window));
        shown.call<void>(window == QApplication::activeModalWidget() ? "push" : "unshift", place);
    }
    return shown;
}

}  // namespace

EMSCRIPTEN_BINDINGS(voltaris_browser_page)
{
    emscripten::function("voltarisBrowserBack", &BrowserBack);
    emscripten::function("voltarisVisibleWindows", &VisibleWindows);
}

void FollowBrowserPage(QWidget& main)
{
    mainWindow = &main;
    new FirstPaintMark(main);
    OnApplicationEvent(QEvent::Show, Shown);
    OnApplicationEvent(QEvent::WindowTitleChange, CaptionChanged);
    // A resized page, or a phone turned sideways, keeps the window in the middle.
    QObject::connect(QGuiApplication::primaryScreen(), &QScreen::availableGeometryChanged, &main,
                     RecentreVisibleWindows);
}
