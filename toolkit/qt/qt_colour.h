#pragma once
// Contract colours (0x00BBGGRR, or a system colour with the top bit set) as
// Qt colours.
#include "toolkit/ui/controls.h"

#include <QColor>
#include <QRgb>

namespace qtui {

// System colours follow the application palette; the application workspace
// keeps its classic grey.
QColor toQColor(ui::Colour colour);
// Opaque, so also premultiplied.
inline QRgb toQRgb(ui::Colour colour)
{
    if (colour & 0x80000000)
        return toQColor(colour).rgb();
    return qRgb(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

}  // namespace qtui
