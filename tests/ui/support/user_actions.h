#pragma once
// What a user does to the program's windows, as real events, and what the
// user then sees.
#include <QLocale>
#include <QMessageBox>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <memory>

class QAction;
class QLineEdit;
class QMainWindow;
class QWidget;
struct Windows;

// The user's locale, as the system announces a change of it.
void SwitchLocale(QLocale::Language language, QLocale::Territory territory);
inline void SwitchToItalian() { SwitchLocale(QLocale::Italian, QLocale::Italy); }

// Builds a fresh program, as started, with the main window shown.
std::unique_ptr<Windows> StartProgram();

// The object names of the program's visible windows ("Form1", ...).
QStringList VisibleWindows(Windows& windows);

// The window of that object name ("Form5").
QWidget* WindowNamed(Windows& windows, const QString& name);

// Types the text into the control key by key; "\b" types Backspace.
void Type(QWidget* control, const QString& text);

// Empties a box as a user does: select all, then Backspace.
void ClearByKeys(QLineEdit* box);

// Empties each box by keys and types its text, box by box in order.
void Retype(const QList<QLineEdit*>& boxes, const QStringList& texts);

// Clicks the control at its centre with the left button.
void Click(QWidget* control);

// Opens the item's menu from the menu bar and clicks the item; false if the
// item could not be clicked (hidden, or its menu did not open).
bool ChooseMenuItem(QMainWindow& window, QAction* item);

// The system's close command on the window: its close box or Alt+F4.
void CloseBySystem(QWidget& window);

// Moves the pointer to a point of the control (its centre by default).
void MovePointer(QWidget* control);
void MovePointer(QWidget* surface, QPoint point);

// Moves the pointer to a point of the control through its window, where the
// platform delivers moves: a move aimed at a widget lands off target on a
// scaled screen with Qt 6.4.
void MovePointerInWindow(QWidget* control, QPoint point);

// Watches for the fault box while alive; takes each box it sees, remembers
// what it showed, and presses its OK button.
class FaultBoxWatcher {
public:
    FaultBoxWatcher();
    ~FaultBoxWatcher();

    int Count() const { return count_; }
    QString Text() const { return text_; }
    QString Title() const { return title_; }
    QMessageBox::Icon Icon() const { return icon_; }
    // Where the box stood, frame included, and the room its screen offers.
    QRect Frame() const { return frame_; }
    QRect ScreenRoom() const { return screenRoom_; }

private:
    void Poll();

    QTimer timer_;
    int count_ = 0;
    QString text_;
    QString title_;
    QMessageBox::Icon icon_ = QMessageBox::NoIcon;
    QRect frame_;
    QRect screenRoom_;
};
