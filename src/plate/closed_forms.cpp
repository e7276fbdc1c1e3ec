// SPDX-License-Identifier: Apache-2.0
#include "plate/closed_forms.h"

#include "engine/pi.h"

#include <cmath>

namespace korvanex {

namespace {

constexpr double EulerGamma = 0.577215664901;

} // namespace

double interiorDeflection(double P, double k, double l, double a) {
    const double ratio = a / l;
    return P / (8 * k * l * l) * (1 + (std::log(a / (2 * l)) + EulerGamma - 1.25) * ratio * ratio / (2 * Pi));
}

double edgeDeflection(double P, double E, double h, double k, double mu, double a, double l) {
    return std::sqrt(2 + 1.2 * mu) * P / std::sqrt(E * h * h * h * k) * (1 - (0.76 + 0.4 * mu) * a / l);
}

double cornerStress(double P, double h, double c, double l) {
    return 3 * P / (h * h) * (1 - std::pow(c / l, 0.72));
}

double cornerDeflection(double P, double k, double l, double c) {
    return P / (k * l * l) * (1.205 - 0.69 * c / l);
}

double bradburyCentreStress(double E, double alpha, double dT, double mu, double Cx, double Cy) {
    return E * alpha * dT * (Cx + mu * Cy) / (2 * (1 - mu * mu));
}

} // namespace korvanex
