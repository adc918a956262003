// Start-up baseline: a bare Qt Widgets window with one button, of the level
// editor's size, reported like the editors' launchers.
#include "bench/first_frame_report.h"

#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv)
{
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    bench::FirstFrameReport report(argc, argv);
    QWidget window;
    window.setFixedSize(631, 557);
    QPushButton button(QStringLiteral("OK"), &window);
    button.setGeometry(8, 8, 80, 24);
    window.show();
    return app.exec();
}
