// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "studies/traffic_loads.h"

#include <QTableWidget>

#include <string>
#include <vector>

class QStyledItemDelegate;

namespace korvanex {

// A traffic spectrum as the fatigue window edits it: a column per column of the spectrum, headed by
// its name and, for a numeric field, the field's unit in the case's unit system; the cells of an
// option column (gear, location, layer, tied, widened) are chosen from a drop-down of its words.
class SpectrumTable : public QTableWidget {
    Q_OBJECT

  public:
    explicit SpectrumTable(QWidget* parent = nullptr);

    // Shows the cells under headers in the unit system given.
    void showCells(const SpectrumCells& cells, UnitSystem units);
    // Heads the columns in the unit system given.
    void showUnits(UnitSystem units);
    // The cells as they stand, under the spectrum's own column names.
    SpectrumCells cells() const;

  private:
    std::vector<std::string> names_;
    std::vector<QStyledItemDelegate*> dropDowns_;
};

} // namespace korvanex
