#pragma once
// Typed characters as the key filters of our windows see them: one Windows-1252 character at a
// time (backspace is 8), before the control takes it. A handler that sets the key to 0
// discards it. Keys that type nothing (arrows, Delete) do not pass through.
#include <QObject>
#include <functional>

class QWidget;

namespace platform {

using KeyPressHandler = std::function<void(QObject* sender, char& key)>;

// Routes the characters typed into the widget through the handler (run through the guard).
void OnKeyPress(QWidget* widget, KeyPressHandler handler);

}  // namespace platform
