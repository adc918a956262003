#pragma once
// Conversions at the edge between the contract and Qt: Windows-1252 bytes to
// and from QString, twips to and from logical pixels, and the mouse buttons
// and modifier keys as the contract numbers them.
#include "toolkit/ui/controls.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <Qt>

#include <filesystem>
#include <string>

namespace qtui {

QString toQt(const std::string& cp1252);
// Characters that Windows-1252 cannot hold become "?".
std::string fromQt(const QString& text);

QString toQtPath(const std::filesystem::path& path);
std::filesystem::path fromQtPath(const QString& path);

// Twips to whole logical pixels, rounding down (also for negative values).
constexpr int toPixels(int twips)
{
    return twips >= 0 ? twips / ui::kTwipsPerPixel : -((-twips + ui::kTwipsPerPixel - 1) / ui::kTwipsPerPixel);
}
constexpr int toTwips(int pixels) { return pixels * ui::kTwipsPerPixel; }
QRect toPixels(const ui::Geometry& geometry);
// A pointer position inside a widget (fractional pixels) in twips.
QPoint toTwips(const QPointF& position);

int buttonCode(Qt::MouseButton button);     // 1 left, 2 right, 4 middle, 0 other
int buttonsCode(Qt::MouseButtons buttons);  // the held buttons, added
int modifierCode(Qt::KeyboardModifiers modifiers);  // 1 Shift, 2 Ctrl, 4 Alt, added

}  // namespace qtui
