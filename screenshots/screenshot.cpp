#include "screenshots/screenshot.h"

#include "toolkit/qt/qt_application.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <filesystem>
#include <iostream>
#include <stdexcept>

namespace screenshots {
namespace {

template <class W>
W& control(const char* name)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        for (W* widget : window->findChildren<W*>(QString::fromLatin1(name)))
            if (widget->property("controlIndex").toInt() == -1)
                return *widget;
    }
    throw std::runtime_error(std::string("no control ") + name);
}

QWidget* shownWindow(const char* name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && !qobject_cast<QMessageBox*>(window) &&
            (!name || window->objectName() == QLatin1String(name)))
            return window;
    return nullptr;
}

}  // namespace

QLineEdit& textField(const char* name)
{
    return control<QLineEdit>(name);
}

void type(QLineEdit& field, const char* text)
{
    field.selectAll();
    QKeyEvent erase(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QApplication::sendEvent(&field, &erase);
    for (const QChar c : QString::fromLatin1(text)) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&field, &key);
    }
}

QAbstractButton& button(const char* name)
{
    return control<QAbstractButton>(name);
}

QListView& listBox(const char* name)
{
    return control<QListView>(name);
}

void selectRow(QListView& list, int row)
{
    list.setCurrentIndex(list.model()->index(row, 0));
}

int takeScreenshot(int argc, char** argv, const std::string& program, const OpenWindow& open, const char* window)
{
    const std::string self = std::filesystem::path(argv[0]).filename().string();
    if (argc != 3) {
        std::cerr << "usage: " << self << " SAMPLE-DATA OUTPUT.png\n";
        return 2;
    }
    const std::filesystem::path sample = std::filesystem::absolute(argv[1]);
    const std::filesystem::path output = std::filesystem::absolute(argv[2]);

    QTemporaryDir scratch;
    const std::filesystem::path data = std::filesystem::path(scratch.path().toStdString()) / "data";
    std::filesystem::copy(sample, data, std::filesystem::copy_options::recursive);
    std::filesystem::current_path(data);

    int qtArgc = 1;
    qtui::QtApplication app(qtArgc, argv, program);
    // Every message box (the question before a load, the note after it) is
    // answered with OK as soon as it is up.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Ok)->click();
    });
    answer.start(0);

    try {
        const std::shared_ptr<void> opened = open(app.toolkit());
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        QWidget* shown = shownWindow(window);
        if (!shown || !shown->grab().save(QString::fromStdString(output.string()), "PNG")) {
            std::cerr << self << ": cannot save " << output.string() << '\n';
            return 1;
        }
    } catch (const std::exception& error) {
        std::cerr << self << ": " << error.what() << '\n';
        return 1;
    }
    std::cout << output.string() << '\n';
    return 0;
}

}  // namespace screenshots
