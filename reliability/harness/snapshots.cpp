#include "reliability/harness/snapshots.h"

#include <sys/stat.h>

#include <fstream>
#include <sstream>

namespace reliability {
namespace fs = std::filesystem;
namespace {

std::string label(const ui::Control& control)
{
    std::string text = control.name();
    if (control.index() >= 0)
        text += "(" + std::to_string(control.index()) + ")";
    return text + " ";
}

void describeList(const ui::ListBox& list, std::vector<std::string>& lines)
{
    const std::string name = label(list);
    for (int row = 0; row < list.count(); ++row)
        lines.push_back(name + "row " + std::to_string(row) + ": " + list.item(row));
    lines.push_back(name + "selected: " + std::to_string(list.selectedIndex()));
}

void describePicture(const headless::HeadlessPictureBox& picture, std::vector<std::string>& lines)
{
    lines.push_back(label(picture) + "shows: " + picture.bitmapPath() +
                    " drawn: " + std::to_string(picture.fillCount()) +
                    " back: " + std::to_string(picture.backColour()));
}

void describe(const ui::Control& control, std::vector<std::string>& lines)
{
    const std::string name = label(control);
    if (const auto* field = dynamic_cast<const ui::TextField*>(&control))
        lines.push_back(name + "text: " + field->text());
    else if (const auto* list = dynamic_cast<const ui::ListBox*>(&control))
        describeList(*list, lines);
    else if (const auto* check = dynamic_cast<const ui::CheckBox*>(&control))
        lines.push_back(name + "value: " + std::to_string(check->value()) +
                        (check->isEnabled() ? "" : " disabled"));
    else if (const auto* option = dynamic_cast<const ui::OptionButton*>(&control))
        lines.push_back(name + "chosen: " + (option->value() ? "yes" : "no"));
    else if (const auto* slider = dynamic_cast<const ui::Slider*>(&control))
        lines.push_back(name + "value: " + std::to_string(slider->value()));
    else if (const auto* text = dynamic_cast<const ui::Label*>(&control))
        lines.push_back(name + "caption: " + text->caption());
    else if (const auto* picture = dynamic_cast<const headless::HeadlessPictureBox*>(&control))
        describePicture(*picture, lines);
}

// Permission bits, owner and bytes; a link shows where it leads, and what is
// neither file, folder nor link is never opened (a pipe would wait).
std::string entryOf(const fs::directory_entry& entry)
{
    if (entry.is_symlink())
        return std::string("<link to ").append(fs::read_symlink(entry.path()).generic_string()).append(">");
    if (entry.is_directory())
        return "<folder>";
    if (!entry.is_regular_file())
        return "<special>";
    struct stat st {};
    ::stat(entry.path().c_str(), &st);
    std::ifstream in(entry.path(), std::ios::binary);
    std::ostringstream out;
    out << std::oct << (st.st_mode & 07777) << std::dec << " " << st.st_uid << ":" << st.st_gid << " " << in.rdbuf();
    return out.str();
}

}  // namespace

std::vector<std::string> snapshotWindow(const headless::HeadlessWindow& window)
{
    std::vector<std::string> lines{"window caption: " + window.caption()};
    for (const auto& control : window.controls())
        describe(*control, lines);
    return lines;
}

FolderTree snapshotTree(const fs::path& root)
{
    FolderTree tree;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string name = fs::relative(entry.path(), root).generic_string();
        tree[name] = entryOf(entry);
    }
    return tree;
}

}  // namespace reliability
