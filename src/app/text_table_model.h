// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

namespace korvanex {

// Rows of texts under headings, read only and replaced all at once, so that a view of many rows takes
// them in one step rather than cell by cell. The rows are numbered from 1.
class TextTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    using QAbstractTableModel::QAbstractTableModel;

    void setHeadings(const QStringList& headings);
    // A row may hold fewer texts than there are headings: the cells after them are empty.
    void setRows(std::vector<QStringList> rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    QStringList headings_;
    std::vector<QStringList> rows_;
};

} // namespace korvanex
