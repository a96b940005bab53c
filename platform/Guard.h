#pragma once
// Every event handler runs through this guard: an exception that escapes it is shown in the
// standard error box (program title, message, error icon) and the program goes on.
#include <exception>
#include <functional>

namespace platform {

// Runs the work; true when it ended without an exception.
bool RunGuarded(const std::function<void()>& work);
void ShowException(const std::exception& error);

// A slot that runs a form's handler through the guard, with the arguments bound here (the
// Sender, say): connect(bnOK, &QPushButton::clicked, Guarded(this, &TMainForm::bnOKClick)).
template <class Form, class... Params, class... Bound>
auto Guarded(Form* form, void (Form::*handler)(Params...), Bound... bound) {
    return [=] { RunGuarded([&] { (form->*handler)(bound...); }); };
}

}  // namespace platform
