// SPDX-License-Identifier: Apache-2.0
#include "app/text_table_model.h"

#include <utility>

namespace korvanex {

void TextTableModel::setHeadings(const QStringList& headings) {
    beginResetModel();
    headings_ = headings;
    endResetModel();
}

void TextTableModel::setRows(std::vector<QStringList> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int TextTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headings_.size());
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) {
        return {};
    }
    return rows_[static_cast<std::size_t>(index.row())].value(index.column());
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal) {
        return headings_.value(section);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace korvanex
