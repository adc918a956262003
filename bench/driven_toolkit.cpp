#include "bench/driven_toolkit.h"

namespace bench {

// A window replaced by a fresh one (figureloom's "new") leaves its controls
// behind in the map; the fresh ones take their names over.
std::unique_ptr<ui::Window> DrivenToolkit::createWindow(const std::string& name, const std::string& caption,
                                                        int width, int height)
{
    std::unique_ptr<ui::Window> window = qt_.createWindow(name, caption, width, height);
    controls_[{window->name(), window->index()}] = window.get();
    return window;
}

int DrivenToolkit::messageBox(const std::string&, ui::MessageButtons, ui::MessageIcon)
{
    ++messages_;
    return answer_;
}

}  // namespace bench
