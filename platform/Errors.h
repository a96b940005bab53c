#pragma once
// The exception kinds of our programs. What a handler lets escape is shown by the event guard.
#include <stdexcept>
#include <string>

namespace platform {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

// Each kind of failure that a handler may let escape.
class EInOutError : public Exception { public: using Exception::Exception; };      // reading or writing failed
class EFOpenError : public Exception { public: using Exception::Exception; };      // a file could not be opened
class EFCreateError : public Exception { public: using Exception::Exception; };    // a file could not be created
class EConvertError : public Exception { public: using Exception::Exception; };    // a text is no number
class EPrinter : public Exception { public: using Exception::Exception; };         // the printer refused
class EOutOfResources : public Exception { public: using Exception::Exception; };  // drawing resources ran out

// Ends the current operation without any message.
class EAbort : public Exception {
public:
    EAbort() : Exception("Operation aborted") {}
};

}  // namespace platform
