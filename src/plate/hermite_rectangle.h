// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>

namespace korvanex {

// The cubic Hermite functions of an interval of length h, in the order: the value at its start, the
// slope at its start, the value at its end, the slope at its end. ξ runs from 0 to 1 along the interval.
using HermiteValues = std::array<double, 4>;
HermiteValues hermiteValues(double h, double xi);
HermiteValues hermiteSlopes(double h, double xi);
HermiteValues hermiteCurvatures(double h, double xi);

// The integrals over one interval that the plate element is made of.
using HermiteMatrix = std::array<std::array<double, 4>, 4>;
struct HermiteIntegrals {
    HermiteMatrix values;            // ∫ N N
    HermiteMatrix slopes;            // ∫ N' N'
    HermiteMatrix curvatures;        // ∫ N'' N''
    HermiteMatrix mixed;             // ∫ N N'' (row: N, column: N'')
    HermiteValues integral;          // ∫ N
    HermiteValues curvatureIntegral; // ∫ N''
};
HermiteIntegrals hermiteIntegrals(double h);

// ∫ N over the part [from, to] of an interval of length h, in the interval's own coordinate.
HermiteValues hermitePartialIntegral(double h, double from, double to);

// The conforming rectangular plate-bending element of Bogner, Fox and Schmit: the products of the
// Hermite functions in x and y, sixteen per rectangle, with w, ∂w/∂x, ∂w/∂y and ∂²w/∂x∂y at each
// corner. An element's local unknown 4 a + b belongs to the x function a and the y function b.
using ElementMatrix = std::array<std::array<double, 16>, 16>;

// The bending stiffness of a Kirchhoff plate of flexural rigidity D and Poisson's ratio mu,
// ∫ D [w,xx v,xx + w,yy v,yy + mu (w,xx v,yy + w,yy v,xx) + 2 (1 - mu) w,xy v,xy], plus the consistent
// stiffness of a dense-liquid foundation of modulus k, ∫ k w v.
ElementMatrix plateElementStiffness(const HermiteIntegrals& x, const HermiteIntegrals& y, double D, double mu,
                                    double k);

} // namespace korvanex
