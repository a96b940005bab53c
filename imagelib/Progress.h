#pragma once
// Asks the caller's progress callback now and then during a decode, so that a long decode
// keeps the program responsive and can be stopped.
#include <cstddef>

#include "imagelib/ILDA32T.h"

namespace imagelib {

class Progress {
  public:
    explicit Progress(IldaProgress callback) : callback_(callback) {}

    // Rows of rowBytes bytes of output each are done. False once the callback asked to stop.
    bool advance(std::size_t rows, std::size_t rowBytes);

  private:
    IldaProgress callback_;
    std::size_t rows_ = 0;
    std::size_t bytes_ = 0;
    bool stopped_ = false;
};

}  // namespace imagelib
