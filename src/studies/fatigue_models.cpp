// SPDX-License-Identifier: Apache-2.0
#include "studies/fatigue_models.h"

#include <cctype>
#include <cmath>
#include <limits>

namespace korvanex {

namespace {

constexpr double Unlimited = std::numeric_limits<double>::infinity();

bool keepsRule(const PowerConstantRule& rule, double value) {
    return std::isfinite(value) && (rule.positive ? value > 0 : value < 0);
}

} // namespace

// The PCA thickness design fatigue curve (Packard, R. G. and Tayabji, S. D., "New PCA Thickness
// Design Procedure for Concrete Highway and Street Pavements", Third International Conference on
// Concrete Pavement Design and Rehabilitation, Purdue University, 1985):
//   SR >= 0.55:        log10 N = 11.737 - 12.077 SR
//   0.45 < SR < 0.55:  N = (4.2577 / (SR - 0.4325))^3.268
//   SR <= 0.45:        unlimited
AllowableRepetitions pcaAllowableRepetitions(double stressRatio) {
    if (stressRatio >= 0.55) {
        const double log10 = 11.737 - 12.077 * stressRatio;
        return {std::pow(10.0, log10), log10};
    }
    if (stressRatio > 0.45) {
        const double base = 4.2577 / (stressRatio - 0.4325);
        return {std::pow(base, 3.268), 3.268 * std::log10(base)};
    }
    return {Unlimited, Unlimited};
}

std::string powerConstantsProblem(const PowerModelConstants& constants) {
    for (const PowerConstantRule& rule : PowerConstantRules) {
        if (!keepsRule(rule, constants.*rule.value)) {
            std::string name = rule.name;
            name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
            return name + " must be a finite number " + (rule.positive ? "greater" : "less") + " than 0";
        }
    }
    return {};
}

// The fatigue model of mechanistic-empirical design of jointed plain concrete pavements (NCHRP
// Project 1-37A, "Guide for Mechanistic-Empirical Design of New and Rehabilitated Pavement
// Structures", 2004): log10 N = C1 (MR / stress)^C2, globally calibrated with C1 = 2.0, C2 = 1.22.
AllowableRepetitions powerAllowableRepetitions(double stress, double modulusOfRupture,
                                               const PowerModelConstants& constants) {
    if (stress <= 0) {
        return {Unlimited, Unlimited};
    }
    const double log10 = constants.c1 * std::pow(modulusOfRupture / stress, constants.c2);
    return {std::pow(10.0, log10), log10};
}

double damagePercent(double repetitions, const AllowableRepetitions& allowable) {
    if (std::isinf(allowable.count)) {
        return 0;
    }
    const double direct = 100 * repetitions / allowable.count;
    if (std::isnormal(allowable.count) && std::isfinite(direct)) {
        return direct;
    }
    return std::pow(10.0, 2 + std::log10(repetitions) - allowable.log10);
}

// The cracking transfer function of the same design guide: CRK = 100 / (1 + C4 D^C5) percent of slabs
// cracked, D the total damage as a fraction, globally calibrated with C4 = 1, C5 = -1.98.
double crackingPercent(double damagePercent, const PowerModelConstants& constants) {
    return 100.0 / (1.0 + constants.c4 * std::pow(damagePercent / 100.0, constants.c5));
}

} // namespace korvanex
