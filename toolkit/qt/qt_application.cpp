#include "toolkit/qt/qt_application.h"

#include "toolkit/qt/qt_toolkit.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStyleFactory>

#include <clocale>

namespace qtui {
namespace {

// The families in the order given, those installed first: the font is the
// same as with the list as given, but Qt does not ask fontconfig for
// stand-ins of a missing family before it comes to the installed one (a
// query that costs as much as painting a dozen buttons).
QStringList installedFirst(const QStringList& families)
{
    const QStringList installed = QFontDatabase::families();
    QStringList ordered;
    for (const QString& family : families)
        if (installed.contains(family))
            ordered.append(family);
    for (const QString& family : families)
        if (!ordered.contains(family))
            ordered.append(family);
    return ordered;
}

}  // namespace

void setUpApplicationLook()
{
    // QApplication adopts the user's locale for the C library; numbers are
    // read and written with "." whatever that locale says.
    std::setlocale(LC_NUMERIC, "C");
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QFont font;
    font.setFamilies(installedFirst({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                                     QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica"),
                                     QStringLiteral("DejaVu Sans")}));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    QApplication::setFont(font);
}

QtApplication::QtApplication(int& argc, char** argv, const std::string& programName)
    : application_(std::make_unique<QApplication>(argc, argv)),
      toolkit_(std::make_unique<QtToolkit>(programName))
{
    QApplication::setApplicationName(QString::fromStdString(programName));
    // The program ends through its window's close handler, not because its
    // last window went away (a window may be replaced by a fresh one).
    QApplication::setQuitOnLastWindowClosed(false);
    setUpApplicationLook();
}

QtApplication::~QtApplication()
{
    toolkit_.reset();
    application_.reset();
}

ui::Toolkit& QtApplication::toolkit()
{
    return *toolkit_;
}

int QtApplication::exec()
{
    return QApplication::exec();
}

}  // namespace qtui
