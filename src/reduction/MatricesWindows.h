#pragma once
// The matrix windows as the window hub opens them.

#include "WindowContext.h"

namespace dvx {

// "Adatta Matrice" and "&Adatta matrice": the matrices for the numbers in
// play, or the message that there is none.
void openAdatta(WindowContext& context);

// "&Elenco Sistemi Immediati": the whole collection, modeless.
void openMatDisp(WindowContext& context);

} // namespace dvx
