#pragma once
// The events Qt offers no signal for: a character typed into a control, and
// the mouse moving over a control or over a window's bare surface.
#include <QWidget>
#include <functional>

// A typed character counts: printable text with neither Ctrl nor Alt or with
// both (AltGr, as Windows sends it), Backspace, or a key that pastes or cuts
// (Ctrl+V, Shift+Insert, Ctrl+X); a paste with the mouse does not. The key
// itself goes on to the control unchanged.
void OnTypedKey(QWidget* control, std::function<void()> handler);

// The pointer moving over the control.
void OnMouseMove(QWidget* control, std::function<void()> handler);

// The pointer moving over the surface where no enabled control stands.
void OnSurfaceMouseMove(QWidget* surface, std::function<void()> handler);

template <typename Receiver>
void OnTypedKey(QWidget* control, Receiver* receiver, void (Receiver::*handler)())
{
    OnTypedKey(control, [receiver, handler] { (receiver->*handler)(); });
}

template <typename Receiver>
void OnMouseMove(QWidget* control, Receiver* receiver, void (Receiver::*handler)())
{
    OnMouseMove(control, [receiver, handler] { (receiver->*handler)(); });
}

template <typename Receiver>
void OnSurfaceMouseMove(QWidget* surface, Receiver* receiver, void (Receiver::*handler)())
{
    OnSurfaceMouseMove(surface, [receiver, handler] { (receiver->*handler)(); });
}
