#pragma once

#include "model/model_store.h"

#include <vector>

namespace kelvane {

// The degrees of freedom per node of the script's model: 6 for frames and shells, 3 for a model of
// solids only (a brick element has translations only). Solids mixed with frames or written shells
// stop generation with a message, since one model basic cannot serve both.
int nodeDofCount(const ModelStore& store);

// The number of free degrees of freedom that carry mass in the written script: every non-zero
// mass component of a written mass line whose degree of freedom is not fixed, except that the
// joints of a rigid diaphragm share its UX, UY and RZ: the diaphragm counts UX and UY when any of
// its joints has mass in them, and RZ with them when at least two of its joints carry mass, each
// unless the diaphragm's retained joint is restrained in it.
int freeMassDofCount(const ModelStore& store, bool genMass, int dofsPerNode);

// How the script asks the eigen solver for `wanted` modes. At most as many modes as the model has
// free mass degrees of freedom, since more make the solver fail and shift every period. The default
// solver (ARPACK, shift and invert) builds a basis of twice as many vectors as modes, orthogonal in
// the mass, and so needs twice as many mass degrees of freedom: with fewer, OpenSeesPy refuses the
// command and the Tcl interpreter warns that it "could not build an Arnoldi factorization" and goes
// on. Such a model takes the dense solver (-fullGenLapack), or, with more equations than that solver
// can take in reasonable time, half its mass degrees of freedom as modes.
struct EigenRequest {
    int modes = 0;
    bool dense = false;
};
inline constexpr long long kDenseEigenEquations = 6000;
EigenRequest eigenRequest(const ModelStore& store, bool genMass, int dofsPerNode, int wanted);

// The modes of the modal procedure (numModes): eigenRequest of 12.
int modalModeCount(const ModelStore& store, bool genMass, int dofsPerNode);

// True when the node block writes a "fix" line for the joint's restraints: the supports.
bool isSupport(const TNODE& joint, int dofsPerNode);

// The ties the equal-DOF block writes, one per rigid link released at one end: "equalDOF RETAINED
// CONSTRAINED 1 2 3", the constrained joint's translations following the retained joint's.
struct EqualDofTie {
    std::int32_t frame = 0;
    std::int32_t retained = 0;
    std::int32_t constrained = 0;
};
std::vector<EqualDofTie> equalDofTies(const ModelStore& store);

// The joints through which the model rests on the ground, in joint order: the supports (restrained
// in degree of freedom `dof`, or in any when `dof` is 0), and the joints a rigid link ties to one of
// them (in translations). The solver reports the force a tie carries into a support as the reaction
// of the tied joint, not of the support, so a base reaction sums over both. Joints restrained in
// other degrees of freedom are left out: the solver reports the force a diaphragm carries through a
// joint held only against rotation as that joint's reaction too, though no support takes it.
std::vector<std::int32_t> baseJoints(const ModelStore& store, int dofsPerNode, int dof = 0);

} // namespace kelvane
