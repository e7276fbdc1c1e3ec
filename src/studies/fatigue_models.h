// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace korvanex {

// The allowable load repetitions of the PCA fatigue curve at a stress ratio SR = stress / modulus of
// rupture; +infinity for unlimited repetitions (SR at most 0.45).
double pcaAllowableRepetitions(double stressRatio);

// The constants of the power fatigue model and of its cracking transfer function; agencies calibrate
// their own, so each one can be set.
struct PowerModelConstants {
    double c1 = 2.0;
    double c2 = 1.22;
    double c4 = 1.0;
    double c5 = -1.98;
};

// The allowable load repetitions of the power fatigue model at a stress and a modulus of rupture in
// one unit; +infinity for unlimited repetitions (a stress of 0 or less, or beyond the double range).
double powerAllowableRepetitions(double stress, double modulusOfRupture,
                                 const PowerModelConstants& constants);

// The percent of slabs cracked for a total fatigue damage given in percent.
double crackingPercent(double damagePercent, const PowerModelConstants& constants);

} // namespace korvanex
