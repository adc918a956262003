#include "toolkit/qt/qt_convert.h"

#include "common/encoding/cp1252.h"

#include <QFile>

#include <array>
#include <cmath>

namespace qtui {

// Every Windows-1252 byte stands for one character of the Basic Multilingual
// Plane, so a text converts byte by byte through a table, without going
// through UTF-8 (a long script list converts thousands of rows at once).
QString toQt(const std::string& cp1252)
{
    static const std::array<char16_t, 256> unicode = [] {
        std::array<char16_t, 256> table{};
        for (int byte = 0; byte < 256; ++byte)
            table[static_cast<std::size_t>(byte)] =
                static_cast<char16_t>(tervok::cp1252ToCodePoint(static_cast<unsigned char>(byte)));
        return table;
    }();
    QString text(static_cast<qsizetype>(cp1252.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : cp1252)
        *out++ = QChar(unicode[static_cast<unsigned char>(byte)]);
    return text;
}

std::string fromQt(const QString& text)
{
    return tervok::utf8ToCp1252(text.toStdString());
}

QString toQtPath(const std::filesystem::path& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

std::filesystem::path fromQtPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QRect toPixels(const ui::Geometry& geometry)
{
    return {toPixels(geometry.left), toPixels(geometry.top), toPixels(geometry.width), toPixels(geometry.height)};
}

QPoint toTwips(const QPointF& position)
{
    return {toTwips(static_cast<int>(std::floor(position.x()))), toTwips(static_cast<int>(std::floor(position.y())))};
}

int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return ui::kLeftButton;
    case Qt::RightButton:
        return ui::kRightButton;
    case Qt::MiddleButton:
        return ui::kMiddleButton;
    default:
        return 0;
    }
}

int buttonsCode(Qt::MouseButtons buttons)
{
    int code = 0;
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (buttons & button)
            code += buttonCode(button);
    return code;
}

int modifierCode(Qt::KeyboardModifiers modifiers)
{
    int code = 0;
    if (modifiers & Qt::ShiftModifier)
        code += ui::kShiftKey;
    if (modifiers & Qt::ControlModifier)
        code += ui::kCtrlKey;
    if (modifiers & Qt::AltModifier)
        code += ui::kAltKey;
    return code;
}

}  // namespace qtui
