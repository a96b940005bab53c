#pragma once
// The canvas that fonts are measured on. Our layouts are measured on the screen, also while
// printing; tests put a fixed-metrics canvas in its place.
#include <memory>

#include "Canvas.h"

namespace platform {

// A Qt canvas on a small off-screen picture unless another was installed.
Canvas& ScreenCanvas();

// Installs a canvas for the screen for the life of this object and restores the one before.
class ScopedScreenCanvas {
  public:
    explicit ScopedScreenCanvas(std::unique_ptr<Canvas> canvas);
    ~ScopedScreenCanvas();
    ScopedScreenCanvas(const ScopedScreenCanvas&) = delete;
    ScopedScreenCanvas& operator=(const ScopedScreenCanvas&) = delete;

  private:
    std::unique_ptr<Canvas> canvas_;
    Canvas* previous_;
};

}  // namespace platform
