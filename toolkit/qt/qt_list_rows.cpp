#include "toolkit/qt/qt_list_rows.h"

#include "toolkit/qt/qt_convert.h"

namespace qtui {

int ListRows::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant ListRows::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || index.parent().isValid() || index.row() < 0 || index.row() >= rowCount())
        return {};
    return toQt(rows_[static_cast<std::size_t>(index.row())]);
}

void ListRows::setRows(std::vector<std::string> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void ListRows::append(const std::string& text)
{
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    rows_.push_back(text);
    endInsertRows();
}

void ListRows::remove(int row)
{
    beginRemoveRows(QModelIndex(), row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

void ListRows::replace(int row, const std::string& text)
{
    rows_[static_cast<std::size_t>(row)] = text;
    const QModelIndex changed = index(row);
    Q_EMIT dataChanged(changed, changed, {Qt::DisplayRole});
}

}  // namespace qtui
