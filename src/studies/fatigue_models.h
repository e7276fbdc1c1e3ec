// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>

namespace korvanex {

// The allowable load repetitions N of a fatigue model and their common logarithm, which stays a
// number where N itself leaves the double range: `count` is +infinity for unlimited repetitions (and
// for any N beyond the double range), and 0 where N is below it.
struct AllowableRepetitions {
    double count = 0;
    double log10 = 0;
};

// The allowable load repetitions of the PCA fatigue curve at a stress ratio SR = stress / modulus of
// rupture; unlimited for SR at most 0.45.
AllowableRepetitions pcaAllowableRepetitions(double stressRatio);

// The constants of the power fatigue model and of its cracking transfer function; agencies calibrate
// their own, so each one can be set.
struct PowerModelConstants {
    double c1 = 2.0;
    double c2 = 1.22;
    double c4 = 1.0;
    double c5 = -1.98;
};

// The sign each constant must have, finite: log10 N = C1 (MR / stress)^C2 grows with the modulus of
// rupture only for C1 > 0 and C2 > 0, and the percent of slabs cracked stays between 0 and 100 and
// grows with the damage only for C4 > 0 and C5 < 0.
struct PowerConstantRule {
    const char* name; // as the command line names it
    double PowerModelConstants::*value;
    bool positive; // greater than 0; otherwise less than 0
};
inline constexpr PowerConstantRule PowerConstantRules[] = {{"c1", &PowerModelConstants::c1, true},
                                                           {"c2", &PowerModelConstants::c2, true},
                                                           {"c4", &PowerModelConstants::c4, true},
                                                           {"c5", &PowerModelConstants::c5, false}};

// What is wrong with the constants: "C1 must be a finite number greater than 0" for the first that
// breaks its rule; empty when every one keeps it.
std::string powerConstantsProblem(const PowerModelConstants& constants);

// The allowable load repetitions of the power fatigue model at a stress and a modulus of rupture in
// one unit, with constants that keep their rules; unlimited for a stress of 0 or less.
AllowableRepetitions powerAllowableRepetitions(double stress, double modulusOfRupture,
                                               const PowerModelConstants& constants);

// Miner's damage of `repetitions` passes, 100 n / N percent: 0 for unlimited N at any n, worked out
// from the logarithms where n or N is beyond the double range, +infinity for a damage beyond it.
double damagePercent(double repetitions, const AllowableRepetitions& allowable);

// The percent of slabs cracked for a total fatigue damage given in percent.
double crackingPercent(double damagePercent, const PowerModelConstants& constants);

} // namespace korvanex
