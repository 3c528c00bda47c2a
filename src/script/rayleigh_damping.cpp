#include "common/error.h"
#include "common/number_format.h"
#include "script/modal_loads.h"
#include "script/modal_participation.h"
#include "script/node_dofs.h"

#include <algorithm>
#include <string>

namespace kelvane {
namespace {

constexpr int kCumulativeMassModes = 12; // modes searched for 90 % of the mass

// Mode nEigenJ: the first from `first` on whose cumulative mass ratio reaches 90 %.
constexpr std::string_view kModeOfNinetyPercent[] = {
    "set nEigenJ $nModes",
    "set cumulative 0.0",
    "for {set mode 1} {$mode <= $nModes} {incr mode} {",
    "    set cumulative [expr {$cumulative + [lindex $massRatios [expr {$mode - 1}]]}]",
    "    if {$cumulative >= 0.9 && $mode >= $firstJ} {set nEigenJ $mode; break}",
    "}",
};
constexpr std::string_view kModeOfNinetyPercentPython[] = {
    "nEigenJ = nModes",
    "cumulative = 0.0",
    "for mode in range(1, nModes + 1):",
    "    cumulative += massRatios[mode - 1]",
    "    if cumulative >= 0.9 and mode >= firstJ:",
    "        nEigenJ = mode",
    "        break",
};

// alphaM = 2 xi wI wJ / (wI + wJ), betaK = 2 xi / (wI + wJ), the stiffness term on the committed
// stiffness; the mode and both coefficients are also written to Damping.txt.
constexpr std::string_view kCoefficients[] = {
    "set omegaI [expr {sqrt([lindex $lambdaN 0])}]",
    "set omegaJ [expr {sqrt([lindex $lambdaN [expr {$nEigenJ - 1}]])}]",
    "set alphaM [expr {$xDamp*(2*$omegaI*$omegaJ)/($omegaI+$omegaJ)}]",
    "set betaKcomm [expr {2.*$xDamp/($omegaI+$omegaJ)}]",
    "puts \"Rayleigh damping on modes 1 and $nEigenJ: alphaM $alphaM betaKcomm $betaKcomm\"",
    "rayleigh $alphaM 0 0 $betaKcomm",
    "set dampingFile [open \"Damping.txt\" \"w\"]",
    "puts $dampingFile \"$nEigenJ $alphaM $betaKcomm\"",
    "close $dampingFile",
};
constexpr std::string_view kCoefficientsPython[] = {
    "omegaI = lambdaN[0] ** 0.5",
    "omegaJ = lambdaN[nEigenJ - 1] ** 0.5",
    "alphaM = xDamp * (2 * omegaI * omegaJ) / (omegaI + omegaJ)",
    "betaKcomm = 2. * xDamp / (omegaI + omegaJ)",
    "print('Rayleigh damping on modes 1 and ' + str(nEigenJ) + ': alphaM ' + repr(alphaM) + ' betaKcomm ' + "
    "repr(betaKcomm))",
    "ops.rayleigh(alphaM, 0, 0, betaKcomm)",
    "with open('Damping.txt', 'w') as dampingFile:",
    "    dampingFile.write(str(nEigenJ) + ' ' + repr(alphaM) + ' ' + repr(betaKcomm) + '\\n')",
};

} // namespace

void writeRayleighDamping(const ScriptInput& in, ScriptWriter& out, int direction) {
    const AnalysisSettings& a = in.analysis;
    out.scriptLine("set xDamp %s", "xDamp = %s", {formatGeneral(a.dampingRatio)});
    const int wanted = a.dampingMode > 0 ? a.dampingMode : kCumulativeMassModes;
    const EigenRequest eigen = eigenRequest(in.store, a.genMass, in.dofsPerNode, wanted);
    if (a.dampingMode > 0 && eigen.modes < a.dampingMode)
        fail("Damping on mode " + std::to_string(a.dampingMode) + " (dampingMode): the model has " +
             std::to_string(eigen.modes) + " modes the solver can find");
    writeEigenModes(in, out, wanted, "Rayleigh damping");
    if (a.dampingMode > 0) {
        out.scriptLine("set nEigenJ %d", "nEigenJ = %d", {a.dampingMode});
    } else {
        writeMassNodes(in, out, direction);
        writeMassRatios(out, direction);
        out.scriptLine("set firstJ %d", "firstJ = %d", {std::min(2, eigen.modes)});
        out.script(kModeOfNinetyPercent, std::size(kModeOfNinetyPercent), kModeOfNinetyPercentPython,
                   std::size(kModeOfNinetyPercentPython));
    }
    out.script(kCoefficients, std::size(kCoefficients), kCoefficientsPython, std::size(kCoefficientsPython));
}

} // namespace kelvane
