#pragma once

namespace Quor {

// The busy cursor over the whole program while the store does what takes a while once (a search
// index built, a language's words read, every meaning read while their index is built): on when
// `busy`, then off again. The store's busy notice.
void ShowBusyCursor(bool busy);

} // namespace Quor
