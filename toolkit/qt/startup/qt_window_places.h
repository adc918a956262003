#pragma once
// Window places kept in the settings file the editors share
// (qt_shared_settings.h), in the program's own group, one rectangle of
// screen pixels a window:
//
//     [terraloom]
//     WholeMap=@Rect(1040 80 800 623)
//
// A place that no screen shows any more (a monitor was unplugged) is
// forgotten: the window system places the window anew. A place that cannot
// be saved is reported on standard error as the game folder setting is.
#include "toolkit/ui/window_places.h"

#include <string>

namespace qtui {

class QtWindowPlaces : public ui::WindowPlaces {
public:
    explicit QtWindowPlaces(std::string programName) : programName_(std::move(programName)) {}

    std::optional<ui::Geometry> recall(const std::string& window) const override;
    void remember(const std::string& window, const ui::Geometry& place) override;

private:
    std::string programName_;
};

}  // namespace qtui
