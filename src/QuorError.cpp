#include "QuorError.h"

#include <cstdio>

namespace {

TApplicationErrorHandler& CurrentHandler() {
    static TApplicationErrorHandler handler;
    return handler;
}

} // namespace

void SetApplicationErrorHandler(TApplicationErrorHandler handler) {
    CurrentHandler() = std::move(handler);
}

void HandleApplicationException(const std::exception& error) noexcept {
    try {
        if (CurrentHandler())
            CurrentHandler()(error.what());
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
