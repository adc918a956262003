#include "toolkit/qt/qt_keys.h"

#include <array>
#include <utility>

namespace qtui {
namespace {

constexpr std::array<std::pair<int, int>, 31> kNamedKeys = {{
    {Qt::Key_Backspace, 8},  {Qt::Key_Tab, 9},       {Qt::Key_Backtab, 9},    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},     {Qt::Key_Shift, 16},    {Qt::Key_Control, 17},   {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},     {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27},    {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},    {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},       {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},      {Qt::Key_Up, 38},       {Qt::Key_Right, 39},     {Qt::Key_Down, 40},
    {Qt::Key_Print, 44},     {Qt::Key_Insert, 45},   {Qt::Key_Delete, 46},    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145}, {Qt::Key_Menu, 93},   {Qt::Key_Clear, 12},
    // The key of "=" and "+", and that of "-" and "_", whichever is typed.
    {Qt::Key_Equal, 187},    {Qt::Key_Plus, 187},    {Qt::Key_Minus, 189},    {Qt::Key_Underscore, 189},
}};

// Keypad digits and operators have codes of their own.
int keypadCode(int qtKey)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return 96 + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Asterisk:
        return 106;
    case Qt::Key_Plus:
        return 107;
    case Qt::Key_Minus:
        return 109;
    case Qt::Key_Period:
        return 110;
    case Qt::Key_Slash:
        return 111;
    default:
        return 0;
    }
}

Qt::KeyboardModifiers qtModifiers(int shift)
{
    Qt::KeyboardModifiers modifiers;
    if (shift & ui::kShiftKey)
        modifiers |= Qt::ShiftModifier;
    if (shift & ui::kCtrlKey)
        modifiers |= Qt::ControlModifier;
    if (shift & ui::kAltKey)
        modifiers |= Qt::AltModifier;
    return modifiers;
}

}  // namespace

int windowsKeyCode(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::KeypadModifier) {
        if (const int code = keypadCode(qtKey))
            return code;
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;  // the same ASCII codes
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    for (const auto& [key, code] : kNamedKeys)
        if (key == qtKey)
            return code;
    return 0;
}

// Two Qt keys share a code (Tab and Backtab, Return and Enter): the first
// of the table is the key.
int qtKeyOf(int windowsKeyCode)
{
    if ((windowsKeyCode >= 'A' && windowsKeyCode <= 'Z') || (windowsKeyCode >= '0' && windowsKeyCode <= '9'))
        return windowsKeyCode;
    if (windowsKeyCode >= 112 && windowsKeyCode < 112 + 24)
        return Qt::Key_F1 + (windowsKeyCode - 112);
    for (const auto& [key, code] : kNamedKeys)
        if (code == windowsKeyCode)
            return key;
    return 0;
}

QKeyCombination qtKeys(const ui::KeyChord& keys)
{
    return QKeyCombination(qtModifiers(keys.shift), static_cast<Qt::Key>(qtKeyOf(keys.keyCode)));
}

}  // namespace qtui
