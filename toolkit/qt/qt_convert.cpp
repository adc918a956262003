#include "qt_convert.h"

#include "encoding/cp1252.h"

#include <QFile>

#include <cmath>

namespace qtui {

QString toQt(const std::string& cp1252)
{
    return QString::fromStdString(tervok::cp1252ToUtf8(cp1252));
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
