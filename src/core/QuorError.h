#pragma once

#include <exception>
#include <functional>
#include <string>

namespace Quor {

// The program's one exception class. Its message is page text: Windows-1251 bytes, so that it can
// go into a page unchanged.
class EQuorError : public std::exception {
public:
    explicit EQuorError(std::string message) : mMessage(std::move(message)) {}
    const char* what() const noexcept override { return mMessage.c_str(); }
    const std::string& Message() const { return mMessage; }

private:
    std::string mMessage;
};

// The system's words for the last failed system call (errno), in English.
std::string SystemErrorText();

// The whole message of an exception: EQuorError's even when it holds a NUL byte, what() of others.
std::string ErrorMessage(const std::exception& error);

// The application-wide handler for an exception that leaves an event handler or start-up step.
// The window installs one that shows the error message box; until then the message goes to the
// standard error stream.
using TApplicationErrorHandler = std::function<void(const std::string& message)>;

void SetApplicationErrorHandler(TApplicationErrorHandler handler);

// Hands the message of `error` to the application's error handler. Never throws.
void HandleApplicationException(const std::exception& error) noexcept;

// Runs `action`; an exception that leaves it goes to the application's error handler instead of
// crossing the event loop. For the edges of event handlers.
void RunGuarded(const std::function<void()>& action) noexcept;

} // namespace Quor
