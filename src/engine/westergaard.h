// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace korvanex {

class FaultCheck;

// The radius of relative stiffness of a slab, l = (E h^3 / (12 (1 - mu^2) k))^0.25, in double precision;
// each step is checked for the routine that forms it.
double relativeStiffness(const FaultCheck& check, float E, float h, float k, float mu);

// Westergaard's closed-form solutions for a slab on a dense liquid, in lb, in, psi and pci. Each
// throws FloatingPointFault on degenerate inputs (k, h or E of 0, a Poisson ratio of 1, a load
// radius of 0, negative values where a root or logarithm needs a positive one).

// Tensile stress under a circular load of radius a in the slab interior (with the second-order term).
float WestergaardInterior(float P, float h, float E, float k, float a, float mu);
// Tensile stress under a circular load at the slab edge (the revised edge formula).
float WestergaardEdge(float P, float h, float E, float k, float a, float mu);
// Tensile stress under a circular load at the slab corner (the revised corner formula).
float WestergaardCorner(float P, float h, float E, float k, float a, float mu);
// Curling stress at the edge of a slab of length L under a temperature difference dT.
float WestergaardEdgeCurl(float E, float alpha, float dT, float L, float h, float k, float mu);

float HypCos(float x);
float HypSin(float x);
float HypTan(float x);

} // namespace korvanex
