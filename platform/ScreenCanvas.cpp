#include "ScreenCanvas.h"

#include <QCoreApplication>

#include "QtCanvas.h"

namespace platform {
namespace {

struct ScreenState {
    Bitmap picture;
    std::unique_ptr<QtCanvas> builtIn;
    Canvas* installed = nullptr;
};

ScreenState& State() {
    static ScreenState state;
    return state;
}

// Fonts and painters must not outlive the application object.
void ReleaseBuiltIn() { State().builtIn.reset(); }

}  // namespace

Canvas& ScreenCanvas() {
    ScreenState& state = State();
    if (state.installed) return *state.installed;
    if (!state.builtIn) {
        state.picture = Bitmap(1, 1);
        state.builtIn = std::make_unique<QtCanvas>(state.picture);
        qAddPostRoutine(ReleaseBuiltIn);
    }
    return *state.builtIn;
}

ScopedScreenCanvas::ScopedScreenCanvas(std::unique_ptr<Canvas> canvas)
    : canvas_(std::move(canvas)), previous_(State().installed) {
    State().installed = canvas_.get();
}

ScopedScreenCanvas::~ScopedScreenCanvas() { State().installed = previous_; }

}  // namespace platform
