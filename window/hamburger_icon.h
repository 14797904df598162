#pragma once

#include <QIcon>
#include <QImage>

namespace banknotes {

// The window's icon: a 32 x 32, 256-colour hamburger on a transparent background,
// drawn in code so the picture lives in the source. The same drawing at other
// sizes, in full colour, gives the icons a desktop installs.
inline constexpr int kWindowIconSize = 32;
QImage HamburgerImage(int size);
QIcon HamburgerIcon();

}  // namespace banknotes
