#include "toolkit/qt/startup/start_failure_box.h"

#include "toolkit/qt/qt_application.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>

#include <cstdlib>

namespace qtui {

bool displayAvailable()
{
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return true;
    }
    return false;
}

void showStartFailure(const std::string& programName, const std::string& reason)
{
    if (!displayAvailable())
        return;
    int argc = 1;
    std::string name = programName;
    char* argv[] = {name.data(), nullptr};
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromStdString(programName));
    setUpApplicationLook();
    // The reason holds file names as the system spells them.
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(programName),
                    QFile::decodeName(QByteArray::fromStdString(reason)), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace qtui
