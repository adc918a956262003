#include "toolkit/qt/qt_message_box.h"

#include "toolkit/qt/qt_convert.h"

#include <QApplication>
#include <QMessageBox>

namespace qtui {

std::string plainLineBreaks(const std::string& text)
{
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            plain.push_back(text[i]);
            continue;
        }
        plain.push_back('\n');
        if (i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
    }
    return plain;
}

int showMessageBox(const std::string& title, const std::string& text, ui::MessageButtons buttons,
                   ui::MessageIcon icon)
{
    const bool withCancel = buttons == ui::MessageButtons::OkCancel;
    QMessageBox box(icon == ui::MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon, toQt(title),
                    toQt(plainLineBreaks(text)),
                    withCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    if (withCancel)
        box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok ? ui::kAnswerOk : ui::kAnswerCancel;
}

}  // namespace qtui
