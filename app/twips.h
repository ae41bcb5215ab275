#pragma once

#include <QRect>

namespace orvesc {

// The window's layout is given in twips; at 96 dots per inch 15 of them make one pixel, and
// Qt's device-pixel scaling takes care of other screens.
inline constexpr int TwipsPerPixel = 15;

inline int twipsToPixels(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

inline QRect twipRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

} // namespace orvesc
