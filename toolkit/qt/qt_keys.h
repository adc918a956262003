#pragma once
// Qt key codes to the Windows virtual-key codes that KeyDown reports, and
// the contract's keys back to Qt's for window shortcuts.
#include "toolkit/ui/controls.h"

#include <QKeyCombination>
#include <Qt>

namespace qtui {

// The virtual-key code of a key, or 0 for a key without one.
int windowsKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

// The Qt key of a virtual-key code (keys off the keypad), or 0 when Qt has
// none.
int qtKeyOf(int windowsKeyCode);
// The keys with their modifiers as Qt names them.
QKeyCombination qtKeys(const ui::KeyChord& keys);

}  // namespace qtui
