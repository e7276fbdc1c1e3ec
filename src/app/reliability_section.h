// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "studies/scatter.h"

#include <QGroupBox>

class QLineEdit;
class QTableWidget;

namespace korvanex {

// The Design window's Reliability section: a box that is ticked to simulate the scatter of the inputs,
// with the scatter table (each input's coefficient of variation and distribution), the number of
// samples, the seed and the target reliability. Every edit is told by `edited`.
class ReliabilitySection : public QGroupBox {
    Q_OBJECT

  public:
    explicit ReliabilitySection(QWidget* parent = nullptr);

    // Ticks the box and shows the settings.
    void showSettings(const ReliabilitySettings& settings);
    // The settings as typed. Returns an empty text, or what the first setting that is not in its range
    // must be ("The COV of h1 must be a number from 0 to 2."), the settings then unchanged.
    QString readSettings(ReliabilitySettings& settings) const;

  signals:
    void edited();

  private:
    QTableWidget* tblScatter_;
    QLineEdit* txtSamples_;
    QLineEdit* txtSeed_;
    QLineEdit* txtReliability_;
};

} // namespace korvanex
