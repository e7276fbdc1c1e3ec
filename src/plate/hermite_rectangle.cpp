// SPDX-License-Identifier: Apache-2.0
#include "plate/hermite_rectangle.h"

namespace korvanex {

namespace {

// Four-point Gauss-Legendre on [0, 1]: exact for the products of two cubics (degree 6).
constexpr std::array<double, 4> GaussPoints = {0.0694318442029737, 0.3300094782075719, 0.6699905217924281,
                                               0.9305681557970263};
constexpr std::array<double, 4> GaussWeights = {0.1739274225687269, 0.3260725774312731, 0.3260725774312731,
                                                0.1739274225687269};

} // namespace

HermiteValues hermiteValues(double h, double xi) {
    const double xi2 = xi * xi;
    const double xi3 = xi2 * xi;
    return {1 - 3 * xi2 + 2 * xi3, h * (xi - 2 * xi2 + xi3), 3 * xi2 - 2 * xi3, h * (xi3 - xi2)};
}

HermiteValues hermiteSlopes(double h, double xi) {
    const double xi2 = xi * xi;
    return {(6 * xi2 - 6 * xi) / h, 1 - 4 * xi + 3 * xi2, (6 * xi - 6 * xi2) / h, 3 * xi2 - 2 * xi};
}

HermiteValues hermiteCurvatures(double h, double xi) {
    return {(12 * xi - 6) / (h * h), (6 * xi - 4) / h, (6 - 12 * xi) / (h * h), (6 * xi - 2) / h};
}

HermiteIntegrals hermiteIntegrals(double h) {
    HermiteIntegrals integrals{};
    for (std::size_t g = 0; g < GaussPoints.size(); ++g) {
        const double weight = GaussWeights[g] * h;
        const HermiteValues N = hermiteValues(h, GaussPoints[g]);
        const HermiteValues slope = hermiteSlopes(h, GaussPoints[g]);
        const HermiteValues curvature = hermiteCurvatures(h, GaussPoints[g]);
        for (std::size_t i = 0; i < 4; ++i) {
            integrals.integral[i] += weight * N[i];
            integrals.curvatureIntegral[i] += weight * curvature[i];
            for (std::size_t j = 0; j < 4; ++j) {
                integrals.values[i][j] += weight * N[i] * N[j];
                integrals.slopes[i][j] += weight * slope[i] * slope[j];
                integrals.curvatures[i][j] += weight * curvature[i] * curvature[j];
                integrals.mixed[i][j] += weight * N[i] * curvature[j];
            }
        }
    }
    return integrals;
}

HermiteValues hermitePartialIntegral(double h, double from, double to) {
    HermiteValues integral{};
    const double length = to - from;
    for (std::size_t g = 0; g < GaussPoints.size(); ++g) {
        const HermiteValues N = hermiteValues(h, (from + GaussPoints[g] * length) / h);
        for (std::size_t i = 0; i < 4; ++i) {
            integral[i] += GaussWeights[g] * length * N[i];
        }
    }
    return integral;
}

ElementMatrix plateElementStiffness(const HermiteIntegrals& x, const HermiteIntegrals& y, double D, double mu,
                                    double k) {
    ElementMatrix K{};
    for (std::size_t a1 = 0; a1 < 4; ++a1) {
        for (std::size_t b1 = 0; b1 < 4; ++b1) {
            for (std::size_t a2 = 0; a2 < 4; ++a2) {
                for (std::size_t b2 = 0; b2 < 4; ++b2) {
                    const double bending =
                        x.curvatures[a1][a2] * y.values[b1][b2] + x.values[a1][a2] * y.curvatures[b1][b2] +
                        mu * (x.mixed[a2][a1] * y.mixed[b1][b2] + x.mixed[a1][a2] * y.mixed[b2][b1]) +
                        2 * (1 - mu) * x.slopes[a1][a2] * y.slopes[b1][b2];
                    K[4 * a1 + b1][4 * a2 + b2] = D * bending + k * x.values[a1][a2] * y.values[b1][b2];
                }
            }
        }
    }
    return K;
}

} // namespace korvanex
