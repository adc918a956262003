#pragma once
// Setting single pixels of a 32-bit image, leaving out those that fall
// outside it: markers and numbers near the edge are cut, not wrapped.
#include <QImage>

namespace render {

inline void plot(QImage& image, int x, int y, QRgb colour)
{
    if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
        reinterpret_cast<QRgb*>(image.scanLine(y))[x] = colour;
}

}  // namespace render
