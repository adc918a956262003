#pragma once
// A single-selection list. MouseDown fires after the list has taken the
// press: a left press selects the row under the pointer, other buttons leave
// the selection alone. KeyDown reports Windows virtual-key codes and fires
// before the list moves its selection for the key. SelectionChange fires
// once a change is complete, for the user's changes and the program's.
#include "toolkit/qt/qt_control.h"
#include "toolkit/qt/qt_list_rows.h"

#include <QEvent>
#include <QListView>

#include <functional>
#include <string>
#include <vector>

namespace qtui {

class ListWidget : public QListView {
public:
    explicit ListWidget(QWidget* parent);

    ListRows& rows() { return *rows_; }
    const ListRows& rows() const { return *rows_; }

    // Position in twips inside the list.
    std::function<void(int button, int shift, QPoint twips)> pressed;
    std::function<void()> doubleClicked;
    std::function<void(int keyCode, int shift)> keyPressed;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void takeLeftPress(QMouseEvent* event);
    void passWithoutModifiers(QMouseEvent* event, QEvent::Type type);
    int rowAt(QPointF viewportPosition) const;

    ListRows* rows_;  // owned by the widget
    int pressedRow_ = -1;
};

class QtListBox : public QtControl<ui::ListBox, ListWidget> {
public:
    QtListBox(QWidget* parent, const std::string& name, int index, const ui::Geometry& geometry);

    void clear() override;
    void addItem(const std::string& text) override;
    void setItems(std::vector<std::string> rows) override;
    void removeItem(int row) override;
    std::string item(int row) const override;
    const std::vector<std::string>& items() const override { return view()->rows().rows(); }
    void setItem(int row, const std::string& text) override;
    int count() const override { return view()->rows().rowCount(); }
    int selectedIndex() const override;
    void setSelectedIndex(int row) override;

private:
    bool isRow(int row) const { return row >= 0 && row < count(); }
    // Raises SelectionChange when the selected row is not the one last
    // announced; passed over while a change of the program's is under way.
    void selectionMayHaveChanged();
    template <class Change>
    void changing(Change change);

    int announced_ = -1;
    bool changing_ = false;
};

}  // namespace qtui
