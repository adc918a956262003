#pragma once
// Qt key codes to the Windows virtual-key codes that KeyDown reports.
#include <Qt>

namespace qtui {

// The virtual-key code of a key, or 0 for a key without one.
int windowsKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace qtui
