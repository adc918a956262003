#pragma once
// The rows of a list box as the view shows them: the Windows-1252 texts are
// kept as given and turned into QStrings only for the rows on screen, so a
// list of tens of thousands of rows fills in one step.
#include <QAbstractListModel>

#include <string>
#include <vector>

namespace qtui {

class ListRows : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    const std::vector<std::string>& rows() const { return rows_; }
    void setRows(std::vector<std::string> rows);
    void append(const std::string& text);
    void remove(int row);
    void replace(int row, const std::string& text);

private:
    std::vector<std::string> rows_;
};

}  // namespace qtui
