#include "toolkit/qt/qt_list_box.h"

#include "toolkit/qt/qt_keys.h"

#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>

namespace qtui {

ListWidget::ListWidget(QWidget* parent) : QListView(parent), rows_(new ListRows(this))
{
    setModel(rows_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
}

int ListWidget::rowAt(QPointF viewportPosition) const
{
    const QModelIndex index = indexAt(viewportPosition.toPoint());
    return index.isValid() ? index.row() : -1;
}

// Qt's list lets Ctrl unselect a row; this list only ever selects.
void ListWidget::passWithoutModifiers(QMouseEvent* event, QEvent::Type type)
{
    QMouseEvent plain(type, event->position(), event->scenePosition(), event->globalPosition(), event->button(),
                      event->buttons(), Qt::NoModifier, event->pointingDevice());
    if (type == QEvent::MouseButtonRelease)
        QListView::mouseReleaseEvent(&plain);
    else
        QListView::mousePressEvent(&plain);
}

// The list selects the row under the pointer; a press below the last row
// keeps the selection.
void ListWidget::takeLeftPress(QMouseEvent* event)
{
    if (rowAt(event->position()) < 0) {
        setFocus(Qt::MouseFocusReason);
        return;
    }
    passWithoutModifiers(event, QEvent::MouseButtonPress);
}

void ListWidget::mouseReleaseEvent(QMouseEvent* event)
{
    passWithoutModifiers(event, QEvent::MouseButtonRelease);
}

void ListWidget::mousePressEvent(QMouseEvent* event)
{
    pressedRow_ = rowAt(event->position());
    if (event->button() == Qt::LeftButton)
        takeLeftPress(event);
    else
        setFocus(Qt::MouseFocusReason);
    event->accept();
    if (pressed) {
        const QPoint inList = viewport()->mapTo(this, event->position().toPoint());
        pressed(buttonCode(event->button()), modifierCode(event->modifiers()), inList * ui::kTwipsPerPixel);
    }
}

// The second press of a double click on the row of the first is a double
// click; any other counts as a press of its own.
void ListWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || rowAt(event->position()) != pressedRow_) {
        mousePressEvent(event);
        return;
    }
    event->accept();
    if (doubleClicked)
        doubleClicked();
}

void ListWidget::keyPressEvent(QKeyEvent* event)
{
    const int code = windowsKeyCode(event->key(), event->modifiers());
    if (code != 0 && keyPressed)
        keyPressed(code, modifierCode(event->modifiers()));
    QListView::keyPressEvent(event);
}

QtListBox::QtListBox(QWidget* parent, const std::string& name, int index, const ui::Geometry& geometry)
    : QtControl(name, index, new ListWidget(parent), geometry)
{
    view()->pressed = [this](int button, int shift, QPoint twips) {
        if (onMouseDown)
            onMouseDown({this->index(), button, shift, twips.x(), twips.y()});
    };
    view()->doubleClicked = [this] {
        if (onDblClick)
            onDblClick();
    };
    view()->keyPressed = [this](int keyCode, int shift) {
        if (onKeyDown)
            onKeyDown(keyCode, shift);
    };
    QObject::connect(view()->selectionModel(), &QItemSelectionModel::selectionChanged, view(),
                     [this] { selectionMayHaveChanged(); });
}

void QtListBox::selectionMayHaveChanged()
{
    if (changing_)
        return;
    const int selected = selectedIndex();
    if (selected == announced_)
        return;
    announced_ = selected;
    if (onSelectionChange)
        onSelectionChange();
}

// A change of the program's may pass through selections of Qt's own (a
// removed row's neighbour, a model reset): only the outcome is announced.
template <class Change>
void QtListBox::changing(Change change)
{
    const bool nested = changing_;
    changing_ = true;
    change();
    changing_ = nested;
    if (!nested)
        selectionMayHaveChanged();
}

void QtListBox::clear()
{
    changing([this] { view()->rows().setRows({}); });
}

// One reset of the model, whatever the number of rows.
void QtListBox::setItems(std::vector<std::string> rows)
{
    changing([this, &rows] { view()->rows().setRows(std::move(rows)); });
}

void QtListBox::addItem(const std::string& text)
{
    view()->rows().append(text);
}

// Removing the selected row leaves no row selected (Qt would move the
// selection to a neighbour).
void QtListBox::removeItem(int row)
{
    if (!isRow(row))
        return;
    changing([this, row] {
        const int selected = selectedIndex();
        view()->rows().remove(row);
        if (selected == row)
            setSelectedIndex(-1);
        else
            setSelectedIndex(selected > row ? selected - 1 : selected);
    });
}

std::string QtListBox::item(int row) const
{
    return isRow(row) ? view()->rows().rows()[static_cast<std::size_t>(row)] : std::string();
}

void QtListBox::setItem(int row, const std::string& text)
{
    if (!isRow(row))
        return;
    view()->rows().replace(row, text);
}

int QtListBox::selectedIndex() const
{
    const QModelIndexList selected = view()->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void QtListBox::setSelectedIndex(int row)
{
    changing([this, row] {
        if (isRow(row))
            view()->selectionModel()->setCurrentIndex(view()->rows().index(row), QItemSelectionModel::ClearAndSelect);
        else
            view()->selectionModel()->clear();
    });
}

}  // namespace qtui
