#pragma once

#include <QIcon>
#include <QPixmap>

namespace orvesc {

// The window's 32 x 32 icon: a speed controller board, drawn so that no image file ships.
QIcon windowIconArt();

// The 160 x 89 picture at the window's top right.
QPixmap bannerPicture();

} // namespace orvesc
