#pragma once
// A window's design as a table. Each row places one control: the member of
// the form's controls struct that keeps it (so the code names it for its
// role), its design name and control-array index (what the window gives the
// control and what the tests find it by), its place in twips inside its
// container, its caption (a text field's first text), and the frame member
// it sits in (none: the window). The rows are in creation order, which is
// the keyboard focus order and the drawing order (a later control lies
// above an earlier one).
//
//     struct Controls {
//         std::unique_ptr<ui::Window> window;  // Form1
//         ui::Frame* damageFrame = nullptr;    // Frame1: "Schaden"
//         ui::TextField* damage = nullptr;     // Text4
//     };
//     const ui::Layout<Controls> layout{
//         {&Controls::damageFrame, "Frame1", {120, 840, 1095, 615}, "Schaden"},
//         {&Controls::damage, "Text4", {120, 240, 855, 285}, "", &Controls::damageFrame},
//     };
//     ui::placeControls(toolkit, layout, controls);
#include "toolkit/ui/toolkit.h"

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

namespace ui {

template <class T>
constexpr ControlKind controlKindOf()
{
    static_assert(!std::is_same_v<T, Slider>, "a slider's row names its orientation");
    if constexpr (std::is_same_v<T, Container>)
        return ControlKind::Frame;
    else if constexpr (std::is_same_v<T, Label>)
        return ControlKind::Label;
    else if constexpr (std::is_same_v<T, Button>)
        return ControlKind::Button;
    else if constexpr (std::is_same_v<T, TextField>)
        return ControlKind::TextField;
    else if constexpr (std::is_same_v<T, CheckBox>)
        return ControlKind::CheckBox;
    else if constexpr (std::is_same_v<T, OptionButton>)
        return ControlKind::OptionButton;
    else if constexpr (std::is_same_v<T, ListBox>)
        return ControlKind::ListBox;
    else {
        static_assert(std::is_same_v<T, PictureBox>, "not a control of the contract");
        return ControlKind::PictureBox;
    }
}

template <class Controls>
struct Placement {
    using FrameMember = Frame* Controls::*;

    // A single control.
    template <class T>
    Placement(T* Controls::*member, std::string name, Geometry geometry, std::string caption = {},
              FrameMember frame = nullptr)
        : description{controlKindOf<T>(), std::move(name), -1, geometry, std::move(caption)},
          frame(frame),
          keep([member](Controls& controls, Control& made) { controls.*member = &dynamic_cast<T&>(made); })
    {
    }

    // A slider, which the design makes horizontal or vertical.
    Placement(Slider* Controls::*member, std::string name, Geometry geometry, Orientation orientation,
              FrameMember frame = nullptr)
        : description{orientation == Orientation::Horizontal ? ControlKind::HorizontalSlider
                                                             : ControlKind::VerticalSlider,
                      std::move(name), -1, geometry, {}},
          frame(frame),
          keep([member](Controls& controls, Control& made) { controls.*member = &dynamic_cast<Slider&>(made); })
    {
    }

    // One control of a control array, kept at its index in an array member.
    template <class T, std::size_t N>
    Placement(std::array<T*, N> Controls::*member, int index, std::string name, Geometry geometry,
              std::string caption = {}, FrameMember frame = nullptr)
        : description{controlKindOf<T>(), std::move(name), index, geometry, std::move(caption)},
          frame(frame),
          keep([member, index](Controls& controls, Control& made) {
              (controls.*member).at(static_cast<std::size_t>(index)) = &dynamic_cast<T&>(made);
          })
    {
    }

    ControlDescription description;
    FrameMember frame;
    std::function<void(Controls&, Control&)> keep;
};

template <class Controls>
using Layout = std::vector<Placement<Controls>>;

// Creates the controls of a layout, row by row, inside controls.window and
// the frames the rows name (made by earlier rows), and keeps each in its
// member.
template <class Controls>
void placeControls(Toolkit& toolkit, const Layout<Controls>& layout, Controls& controls)
{
    for (const Placement<Controls>& row : layout) {
        Container& parent = row.frame ? *(controls.*row.frame) : static_cast<Container&>(*controls.window);
        row.keep(controls, toolkit.create(parent, row.description));
    }
}

}  // namespace ui
