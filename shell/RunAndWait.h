#pragma once

#include <QString>
#include <functional>

namespace sentrel {

// What the launch-and-wait routine shows while it waits: the launch-and-wait flag (the main
// window refuses to close while it is set), the wait window with its message and the busy
// pointer, and the event pump that keeps the windows answering. Hooks left empty do nothing.
struct WaitView {
    std::function<void(bool waiting)> setWaiting;
    std::function<void(const QString& message)> showWait;  // wait window and busy pointer
    std::function<void()> hideWait;
    std::function<void()> processEvents;
    int pollMilliseconds = 1000;  // how long one wait for the program lasts between pumps
};

// Starts `program` and returns when it has ended, with the wait window shown meanwhile and
// the events pumped between waits. A program that cannot be started shows no wait window:
// the routine returns at once. The flag is set for the whole routine and cleared at its end.
void RunAndWait(const QString& program, const QString& message, const WaitView& view);

}  // namespace sentrel
