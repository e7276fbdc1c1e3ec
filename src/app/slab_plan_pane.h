// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"

#include <QWidget>

#include <string>

namespace korvanex {

class SvgView;
class UserPrompt;

// The slab plan of the case beside the report: the picture drawn by the core, scaled to the pane
// without distortion, with Save PNG and Save SVG.
class SlabPlanPane : public QWidget {
    Q_OBJECT

  public:
    // The file dialogs and failure messages of the save buttons go through the prompt.
    SlabPlanPane(UserPrompt& prompt, QWidget* parent);

    // Draws the plan of the case anew.
    void showCase(const AnalysisCase& record);
    // The SVG text shown.
    const std::string& svg() const;

  private:
    SvgView* view_;
};

} // namespace korvanex
