// SPDX-License-Identifier: Apache-2.0
#include "studies/fatigue_models.h"

#include <cmath>
#include <limits>

namespace korvanex {

// The PCA thickness design fatigue curve (Packard, R. G. and Tayabji, S. D., "New PCA Thickness
// Design Procedure for Concrete Highway and Street Pavements", Third International Conference on
// Concrete Pavement Design and Rehabilitation, Purdue University, 1985):
//   SR >= 0.55:        log10 N = 11.737 - 12.077 SR
//   0.45 < SR < 0.55:  N = (4.2577 / (SR - 0.4325))^3.268
//   SR <= 0.45:        unlimited
double pcaAllowableRepetitions(double stressRatio) {
    if (stressRatio >= 0.55) {
        return std::pow(10.0, 11.737 - 12.077 * stressRatio);
    }
    if (stressRatio > 0.45) {
        return std::pow(4.2577 / (stressRatio - 0.4325), 3.268);
    }
    return std::numeric_limits<double>::infinity();
}

// The fatigue model of mechanistic-empirical design of jointed plain concrete pavements (NCHRP
// Project 1-37A, "Guide for Mechanistic-Empirical Design of New and Rehabilitated Pavement
// Structures", 2004): log10 N = C1 (MR / stress)^C2, globally calibrated with C1 = 2.0, C2 = 1.22.
double powerAllowableRepetitions(double stress, double modulusOfRupture,
                                 const PowerModelConstants& constants) {
    if (stress <= 0) {
        return std::numeric_limits<double>::infinity();
    }
    return std::pow(10.0, constants.c1 * std::pow(modulusOfRupture / stress, constants.c2));
}

// The cracking transfer function of the same design guide: CRK = 100 / (1 + C4 D^C5) percent of slabs
// cracked, D the total damage as a fraction, globally calibrated with C4 = 1, C5 = -1.98.
double crackingPercent(double damagePercent, const PowerModelConstants& constants) {
    return 100.0 / (1.0 + constants.c4 * std::pow(damagePercent / 100.0, constants.c5));
}

} // namespace korvanex
