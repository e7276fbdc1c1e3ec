// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace korvanex {

// Closed-form responses of a slab on a dense liquid that the plate model is checked against, in lb,
// in, psi and pci; l is the radius of relative stiffness. The loading stresses at the interior and
// the edge are the engine's WestergaardInterior and WestergaardEdge, the edge curling stress its
// WestergaardEdgeCurl.

// Westergaard's interior deflection under a circle of radius a (ordinary theory, with the
// second-order term): P / (8 k l^2) {1 + [ln(a / 2l) + gamma - 5/4] (a/l)^2 / (2 pi)}.
// Westergaard (1948); Ioannides, Thompson and Barenberg (1985); Huang, Pavement Analysis and Design,
// 2nd ed., chapter 4.
double interiorDeflection(double P, double k, double l, double a);

// The edge deflection under a circle of radius a tangent to the edge, as Ioannides, Thompson and
// Barenberg (1985) corrected Westergaard's: sqrt(2 + 1.2 mu) P / sqrt(E h^3 k) [1 - (0.76 + 0.4 mu) a/l].
// Huang, Pavement Analysis and Design, 2nd ed., eq. 4.14.
double edgeDeflection(double P, double E, double h, double k, double mu, double a, double l);

// Ioannides' corner stress and deflection under a square of side c at the corner, fitted to finite
// elements: 3 P / h^2 [1 - (c/l)^0.72] and P / (k l^2) [1.205 - 0.69 c/l]. Ioannides, Thompson and
// Barenberg (1985).
double cornerStress(double P, double h, double c, double l);
double cornerDeflection(double P, double k, double l, double c);

// Bradbury's curling stress at the centre of a slab, in the direction of Cx:
// E alpha dT (Cx + mu Cy) / (2 (1 - mu^2)), with the coefficients C of the two sides (Bradbury 1938;
// Huang, Pavement Analysis and Design, 2nd ed., chapter 4).
double bradburyCentreStress(double E, double alpha, double dT, double mu, double Cx, double Cy);

} // namespace korvanex
