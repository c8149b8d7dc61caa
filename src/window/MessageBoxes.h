#pragma once

#include <QString>

#include <functional>
#include <string>

namespace Quor {

// The program's modal message boxes, all shown through one replaceable function so that tests
// can answer them without blocking.

enum class TMessageBoxKind { Warning, Error };

using TMessageBoxFunction =
    std::function<void(TMessageBoxKind kind, const QString& title, const QString& text)>;

// Replaces the function that shows message boxes; an empty function restores the real boxes.
void SetMessageBoxFunction(TMessageBoxFunction function);

// Shows a modal box with one OK button, captioned with the application title.
void ShowMessageBox(TMessageBoxKind kind, const QString& text);

// Shows a box with one OK button beside the window, which goes on meanwhile: what the user is
// told once about the network, not a failure. Through the replaced function, when there is one, as
// a warning.
void ShowNotice(const QString& text);

// The program file's name without folder and without anything from its first dot on, every
// character after the first in lower case: "Quorsemnetbrowser".
QString ApplicationTitle();

// The error box of an exception that left an event handler: the message (page text) with a full
// stop added when it does not end in one or in a character before it.
void ShowErrorMessage(const std::string& message);

// Makes ShowErrorMessage the application's error handler.
void InstallErrorMessageBox();

} // namespace Quor
