#pragma once

#include <QIcon>
#include <QImage>

namespace banknotes {

// The window's icon: a 32 x 32, 256-colour hamburger on a transparent background,
// drawn in code so the picture lives in the source.
QImage HamburgerImage();
QIcon HamburgerIcon();

}  // namespace banknotes
