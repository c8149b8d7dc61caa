#pragma once

#include "app/CommandLine.h"

namespace Quor {

// Looks up the word of a --print start in the network without any window, and prints its page on
// the standard output: as plain text in the terminal's encoding, or as the page's bytes. Needs
// only a QCoreApplication. The exit status: 0 when the search found words, else 1.
int PrintLookUp(const TStartRequest& request);

} // namespace Quor
