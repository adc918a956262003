// The Qt back end's tests run inside one QApplication, on the offscreen
// platform unless another one is asked for.
#include "toolkit/qt/qt_application.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    qtui::setUpApplicationLook();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
