// SPDX-License-Identifier: Apache-2.0
#include "app/spectrum_table.h"

#include "io/case_columns.h"

#include <QComboBox>
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTimer>

namespace korvanex {

namespace {

// The rows whose texts set the widths of the columns when cells are shown.
constexpr int RowsMeasured = 50;

QString text(std::string_view value) {
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

// The drop-down of an option column: an empty cell, which takes the case's own option, then the
// option's words. A cell that holds none of them (read from a file) keeps its text as one more
// choice, so that opening the drop-down changes nothing.
class OptionDropDown : public QStyledItemDelegate {
  public:
    OptionDropDown(std::vector<std::string_view> words, QObject* parent)
        : QStyledItemDelegate(parent), words_(std::move(words)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
        auto* box = new QComboBox(parent);
        box->addItem(QStringLiteral("(the case's)"), QString());
        for (std::string_view word : words_) {
            box->addItem(text(word), text(word));
        }
        // The list opens at once, so that the arrow keys move within it; a choice made there is taken
        // as soon as it is made.
        QTimer::singleShot(0, box, &QComboBox::showPopup);
        connect(box, &QComboBox::activated, this, [this, box] {
            auto* self = const_cast<OptionDropDown*>(this);
            emit self->commitData(box);
            emit self->closeEditor(box);
        });
        return box;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* box = static_cast<QComboBox*>(editor);
        const QString cell = index.data(Qt::EditRole).toString();
        int chosen = -1;
        for (int item = 0; item < box->count() && chosen < 0; ++item) {
            if (box->itemData(item).toString().compare(cell.trimmed(), Qt::CaseInsensitive) == 0) {
                chosen = item;
            }
        }
        if (chosen < 0) {
            box->addItem(cell, cell);
            chosen = box->count() - 1;
        }
        box->setCurrentIndex(chosen);
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        model->setData(index, static_cast<QComboBox*>(editor)->currentData(), Qt::EditRole);
    }

  private:
    std::vector<std::string_view> words_;
};

// The case column a header names, blanks around the name aside, as the spectrum reader takes it.
const CaseColumn* columnNamed(const std::string& name) {
    return findCaseColumn(QString::fromStdString(name).trimmed().toStdString());
}

} // namespace

SpectrumTable::SpectrumTable(QWidget* parent) : QTableWidget(parent) {
    setObjectName(QStringLiteral("tblSpectrum"));
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setResizeContentsPrecision(RowsMeasured);
}

void SpectrumTable::showCells(const SpectrumCells& cells, UnitSystem units) {
    const QSignalBlocker blocker(this);
    clear();
    for (QStyledItemDelegate* dropDown : dropDowns_) {
        delete dropDown;
    }
    dropDowns_.clear();
    names_ = cells.header;
    setColumnCount(static_cast<int>(names_.size()));
    setRowCount(static_cast<int>(cells.rows.size()));
    for (std::size_t column = 0; column < names_.size(); ++column) {
        const CaseColumn* caseColumn = columnNamed(names_[column]);
        const std::vector<std::string_view> words =
            caseColumn != nullptr ? optionCellWords(caseColumn->kind) : std::vector<std::string_view>{};
        QStyledItemDelegate* dropDown = words.empty() ? nullptr : new OptionDropDown(words, this);
        setItemDelegateForColumn(static_cast<int>(column), dropDown);
        if (dropDown != nullptr) {
            dropDowns_.push_back(dropDown);
        }
    }
    for (std::size_t row = 0; row < cells.rows.size(); ++row) {
        // A row with more cells than the header loses the extra ones; one with fewer is padded.
        const std::vector<std::string>& cellsOfRow = cells.rows[row];
        for (std::size_t column = 0; column < names_.size(); ++column) {
            const QString value = column < cellsOfRow.size() ? text(cellsOfRow[column]) : QString();
            setItem(static_cast<int>(row), static_cast<int>(column), new QTableWidgetItem(value));
        }
    }
    showUnits(units);
    resizeColumnsToContents();
}

void SpectrumTable::showUnits(UnitSystem units) {
    QStringList headers;
    for (const std::string& name : names_) {
        const CaseColumn* column = columnNamed(name);
        const std::string_view unit = column != nullptr && column->kind == CaseColumn::Kind::Number
                                          ? fieldUnit(column->field, units)
                                          : std::string_view();
        headers << (unit.empty() ? text(name) : QStringLiteral("%1 (%2)").arg(text(name), text(unit)));
    }
    setHorizontalHeaderLabels(headers);
}

SpectrumCells SpectrumTable::cells() const {
    SpectrumCells cells;
    cells.header = names_;
    for (int row = 0; row < rowCount(); ++row) {
        std::vector<std::string>& cellsOfRow = cells.rows.emplace_back();
        for (int column = 0; column < columnCount(); ++column) {
            const QTableWidgetItem* cell = item(row, column);
            cellsOfRow.push_back(cell != nullptr ? cell->text().toStdString() : std::string());
        }
    }
    return cells;
}

} // namespace korvanex
