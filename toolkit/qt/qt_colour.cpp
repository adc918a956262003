#include "toolkit/qt/qt_colour.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>

namespace qtui {
namespace {

constexpr ui::Colour kSystemBit = 0x80000000;
constexpr QRgb kAppWorkspaceGrey = 0xFFABABAB;

// The palette role for each system colour index (0 scroll bar ... 24 tool
// tip background); -1 for the application workspace.
constexpr std::array<int, 25> kSystemRoles = {
    QPalette::Button,      QPalette::Dark,         QPalette::Highlight,   QPalette::Mid,
    QPalette::Window,      QPalette::Base,         QPalette::Shadow,      QPalette::WindowText,
    QPalette::Text,        QPalette::Base,         QPalette::Button,      QPalette::Button,
    -1,                    QPalette::Highlight,    QPalette::HighlightedText, QPalette::Button,
    QPalette::Dark,        QPalette::PlaceholderText, QPalette::ButtonText, QPalette::Text,
    QPalette::Light,       QPalette::Shadow,       QPalette::Midlight,    QPalette::ToolTipText,
    QPalette::ToolTipBase,
};

QColor systemColour(unsigned index)
{
    if (index >= kSystemRoles.size())
        return QGuiApplication::palette().color(QPalette::Window);
    const int role = kSystemRoles[index];
    if (role < 0)
        return QColor::fromRgb(kAppWorkspaceGrey);
    return QGuiApplication::palette().color(static_cast<QPalette::ColorRole>(role));
}

}  // namespace

QColor toQColor(ui::Colour colour)
{
    if (colour & kSystemBit)
        return systemColour(colour & 0xFF);
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

}  // namespace qtui
