#include "toolkit/qt/qt_clipboard.h"

#include "toolkit/qt/qt_convert.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace qtui {

void setClipboard(const std::string& text, const std::string& mimeType, const std::string& data)
{
    auto* mime = new QMimeData;
    mime->setText(toQt(text));
    mime->setData(QString::fromStdString(mimeType), QByteArray::fromStdString(data));
    QGuiApplication::clipboard()->setMimeData(mime);
}

std::optional<std::string> clipboardData(const std::string& mimeType)
{
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    const QString type = QString::fromStdString(mimeType);
    if (!mime || !mime->hasFormat(type))
        return std::nullopt;
    return mime->data(type).toStdString();
}

std::string clipboardText()
{
    return fromQt(QGuiApplication::clipboard()->text());
}

}  // namespace qtui
