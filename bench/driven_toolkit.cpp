#include "driven_toolkit.h"

namespace bench {

// A window replaced by a fresh one (figureloom's "new") leaves its controls
// behind in the map; the fresh ones take their names over.
std::unique_ptr<ui::Window> DrivenToolkit::createWindow(const std::string& name, const std::string& caption,
                                                        int width, int height)
{
    std::unique_ptr<ui::Window> window = qt_.createWindow(name, caption, width, height);
    remember(*window);
    return window;
}

ui::Frame& DrivenToolkit::createFrame(ui::Container& parent, const std::string& name, int index,
                                      const ui::Geometry& geometry, const std::string& caption)
{
    return remember(qt_.createFrame(parent, name, index, geometry, caption));
}

ui::Label& DrivenToolkit::createLabel(ui::Container& parent, const std::string& name, int index,
                                      const ui::Geometry& geometry, const std::string& caption)
{
    return remember(qt_.createLabel(parent, name, index, geometry, caption));
}

ui::Button& DrivenToolkit::createButton(ui::Container& parent, const std::string& name, int index,
                                        const ui::Geometry& geometry, const std::string& caption)
{
    return remember(qt_.createButton(parent, name, index, geometry, caption));
}

ui::TextField& DrivenToolkit::createTextField(ui::Container& parent, const std::string& name, int index,
                                              const ui::Geometry& geometry, const std::string& text)
{
    return remember(qt_.createTextField(parent, name, index, geometry, text));
}

ui::CheckBox& DrivenToolkit::createCheckBox(ui::Container& parent, const std::string& name, int index,
                                            const ui::Geometry& geometry, const std::string& caption)
{
    return remember(qt_.createCheckBox(parent, name, index, geometry, caption));
}

ui::OptionButton& DrivenToolkit::createOptionButton(ui::Container& parent, const std::string& name, int index,
                                                    const ui::Geometry& geometry, const std::string& caption)
{
    return remember(qt_.createOptionButton(parent, name, index, geometry, caption));
}

ui::ListBox& DrivenToolkit::createListBox(ui::Container& parent, const std::string& name, int index,
                                          const ui::Geometry& geometry)
{
    return remember(qt_.createListBox(parent, name, index, geometry));
}

ui::Slider& DrivenToolkit::createSlider(ui::Container& parent, const std::string& name, int index,
                                        const ui::Geometry& geometry, ui::Orientation orientation)
{
    return remember(qt_.createSlider(parent, name, index, geometry, orientation));
}

ui::PictureBox& DrivenToolkit::createPictureBox(ui::Container& parent, const std::string& name, int index,
                                                const ui::Geometry& geometry)
{
    return remember(qt_.createPictureBox(parent, name, index, geometry));
}

int DrivenToolkit::messageBox(const std::string&, ui::MessageButtons, ui::MessageIcon)
{
    ++messages_;
    return answer_;
}

}  // namespace bench
