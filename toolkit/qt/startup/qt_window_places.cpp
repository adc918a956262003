#include "toolkit/qt/startup/qt_window_places.h"

#include "toolkit/qt/startup/qt_shared_settings.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

#include <algorithm>

namespace qtui {
namespace {

// A window this small or smaller on every screen counts as off the screens.
constexpr int kVisiblePixels = 40;

QString keyOf(const std::string& program, const std::string& window)
{
    return QString::fromStdString(program + "/" + window);
}

bool onAScreen(const QRect& place)
{
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&](const QScreen* screen) {
        const QRect seen = screen->availableGeometry().intersected(place);
        return seen.width() >= kVisiblePixels && seen.height() >= kVisiblePixels;
    });
}

}  // namespace

std::optional<ui::Geometry> QtWindowPlaces::recall(const std::string& window) const
{
    const QRect place = sharedSettings().value(keyOf(programName_, window)).toRect();
    if (!place.isValid() || !onAScreen(place))
        return std::nullopt;
    constexpr int px = ui::kTwipsPerPixel;
    return ui::Geometry{place.x() * px, place.y() * px, place.width() * px, place.height() * px};
}

void QtWindowPlaces::remember(const std::string& window, const ui::Geometry& place)
{
    constexpr int px = ui::kTwipsPerPixel;
    QSettings settings = sharedSettings();
    settings.setValue(keyOf(programName_, window),
                      QRect(place.left / px, place.top / px, place.width / px, place.height / px));
    saveSharedSettings(settings, programName_);
}

}  // namespace qtui
