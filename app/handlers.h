#pragma once
// Every handler runs through here, so a fault it raises reaches the fault box
// and never unwinds through the event loop.
#include <QObject>
#include <functional>

void RunHandler(const std::function<void()>& handler);

// Binds a signal to a window's handler: Bind(Button1, &QPushButton::clicked, this, &TForm5::Button1Click).
template <typename Sender, typename Signal, typename Receiver>
void Bind(Sender* sender, Signal signal, Receiver* receiver, void (Receiver::*handler)())
{
    QObject::connect(sender, signal, receiver, [receiver, handler] { RunHandler([=] { (receiver->*handler)(); }); });
}

// The same for a handler that is not a member function.
template <typename Sender, typename Signal>
void Bind(Sender* sender, Signal signal, QObject* context, std::function<void()> handler)
{
    QObject::connect(sender, signal, context, [handler] { RunHandler(handler); });
}
