#pragma once

#include <string>
#include <vector>

namespace kelvane::test {

// The settings that push the column of tests/data/solver/rc-column.s2k: an unconfined cover
// (Concrete02 from the file's FC=30) round a confined core (Concrete02 with Mander-like parameters,
// added as a material of its own) on an 8 x 8 grid of 50 mm cells whose outer ring is the 50 mm
// cover, eight 20 mm bars of Steel02, five integration points; gravity in ten steps, then the top
// pushed 0.5 mm a step for 200 steps.
inline std::vector<std::string> rcColumnPushover() {
    return {"materialDefaults=nonlinear",
            "addMaterial=CONFINED",
            "material.3.model=Concrete02",
            "material.3.fpc=39",
            "material.3.epsc0=0.004",
            "material.3.fpcu=31",
            "material.3.epsU=0.014",
            "material.3.ft=0",
            "material.3.Ets=0",
            "section.1.coreMaterial=CONFINED",
            "section.1.divideFX=8",
            "section.1.divideFY=8",
            "section.1.cover=50",
            "section.1.barNumNX=3",
            "section.1.barNumNY=1",
            "section.1.topBar=942",
            "section.1.bottomBar=314",
            "section.1.rebarMaterial=REBAR",
            "numIntgrPts=5",
            "analysisType=3",
            "loadControlCase=1",
            "dispControlCase=2",
            "loadSteps=10",
            "controlNode=2",
            "controlDof=1",
            "controlDisp=0.5",
            "dispSteps=200"};
}

} // namespace kelvane::test
