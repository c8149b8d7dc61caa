#include "core/QuorError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace Quor {

namespace {

TApplicationErrorHandler& CurrentHandler() {
    static TApplicationErrorHandler handler;
    return handler;
}

} // namespace

std::string SystemErrorText() {
    return std::strerror(errno);
}

std::string ErrorMessage(const std::exception& error) {
    if (const auto* quorError = dynamic_cast<const EQuorError*>(&error))
        return quorError->Message();
    return error.what();
}

void SetApplicationErrorHandler(TApplicationErrorHandler handler) {
    CurrentHandler() = std::move(handler);
}

void HandleApplicationException(const std::exception& error) noexcept {
    try {
        if (CurrentHandler())
            CurrentHandler()(ErrorMessage(error));
        else
            std::fprintf(stderr, "%s\n", error.what());
    } catch (...) {
        std::fprintf(stderr, "%s\n", error.what());
    }
}

void RunGuarded(const std::function<void()>& action) noexcept {
    try {
        action();
    } catch (const std::exception& error) {
        HandleApplicationException(error);
    } catch (...) {
        HandleApplicationException(EQuorError("Unknown error."));
    }
}

} // namespace Quor
