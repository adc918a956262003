#pragma once
// Where the user left a program's windows, kept between runs: the place of
// a window (its client area on the screen, in twips) under the window's
// name. The Qt back end keeps them in the settings file the editors share
// (toolkit/qt/startup/qt_window_places.h); WindowPlacesInMemory keeps them
// for one run, for the tests.
#include "toolkit/ui/controls.h"

#include <map>
#include <optional>
#include <string>

namespace ui {

class WindowPlaces {
public:
    virtual ~WindowPlaces() = default;
    // Nothing when no place was kept, or none that is on a screen now.
    virtual std::optional<Geometry> recall(const std::string& window) const = 0;
    // A place that cannot be saved is reported on standard error.
    virtual void remember(const std::string& window, const Geometry& place) = 0;
};

class WindowPlacesInMemory : public WindowPlaces {
public:
    std::optional<Geometry> recall(const std::string& window) const override
    {
        const auto found = places_.find(window);
        return found == places_.end() ? std::nullopt : std::optional<Geometry>(found->second);
    }
    void remember(const std::string& window, const Geometry& place) override { places_[window] = place; }

private:
    std::map<std::string, Geometry> places_;
};

}  // namespace ui
