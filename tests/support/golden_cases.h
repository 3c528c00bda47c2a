#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <vector>

// The models and settings of the golden scripts (tests/golden/tcl and tests/golden/py): compared
// byte for byte by the script tests and run on both OpenSees builds by the solver tests.
namespace kelvane::test {

struct GoldenCase {
    std::string name;
    std::string model; // relative to the source folder
    std::vector<std::pair<std::string, std::string>> settings;
};

inline const std::string kExample = "examples/three-storey-rc-frame.s2k";
inline const std::string kMixed = "tests/data/tcl/mixed_sections.s2k";
inline const std::string kGrid = "tests/data/tcl/grid_two_storeys.s2k";
inline const std::string kSolids = "tests/data/tcl/solid_block.s2k";

// The mixed model's second section as a beam with three top and two bottom bars, and a few other
// window settings, so that the beam mesh, the hinge lengths and every transformation appear.
inline const std::vector<std::pair<std::string, std::string>> kMixedWindowSettings = {
    {"section.2.sectionKind", "1"}, {"section.2.barNumNX", "3"},    {"section.2.barNumNY", "2"},
    {"section.2.topBar", "900"},    {"section.2.bottomBar", "600"}, {"section.1.geomTransf", "2"},
    {"section.1.divideFX", "3"},    {"section.1.divideFY", "4"},    {"section.3.hingeLengthI", "350.6"},
    {"section.3.geomTransf", "3"},  {"section.5.divideFX", "8"},
};

inline std::vector<std::pair<std::string, std::string>>
with(std::vector<std::pair<std::string, std::string>> base,
     std::vector<std::pair<std::string, std::string>> more) {
    base.insert(base.end(), more.begin(), more.end());
    return base;
}

inline const GoldenCase kGoldenCases[] = {
    {"example_load_control", kExample, {}},
    {"example_disp_control",
     kExample,
     {{"analysisType", "2"},
      {"dispControlCase", "2"},
      {"controlNode", "39"},
      {"controlDisp", "0.5"},
      {"dispSteps", "40"}}},
    {"example_gravity_pushover",
     kExample,
     {{"analysisType", "3"},
      {"loadControlCase", "1"},
      {"dispControlCase", "2"},
      {"controlNode", "39"},
      {"loadSteps", "10"},
      {"sectionDeformation", "on"}}},
    {"example_modal", kExample, {{"analysisType", "4"}, {"modalShape", "on"}, {"modalNumber", "3"}}},
    {"example_time_history", kExample, {{"analysisType", "5"}, {"elementForce", "on"}}},
    {"example_gravity_time_history", kExample, {{"analysisType", "6"}, {"loadFactor", "0.5"}}},
    {"example_multi_support", kExample, {{"analysisType", "7"}}},
    {"mixed_aggregator", kMixed,
     with(kMixedWindowSettings, {{"useAggregator", "on"}, {"rebarMaterial", "1"}})},
    {"mixed_no_plate_no_mass", kMixed,
     with(kMixedWindowSettings, {{"genPlateFiber", "off"},
                                 {"genMass", "off"},
                                 {"analysisType", "3"},
                                 {"dispControlCase", "2"},
                                 {"controlNode", "9"},
                                 {"numIntgrPts", "5"}})},
    {"grid_all_recorders",
     kGrid,
     {{"nodeDisplacement", "on"},
      {"elementForce", "on"},
      {"sectionDeformation", "on"},
      {"sectionStressStrain", "on"},
      {"modalShape", "on"},
      {"modalNumber", "2"},
      {"numIntgrPts", "4"},
      {"analysisType", "4"}}},
    {"solid_block", kSolids, {}},
};

inline void PrintTo(const GoldenCase& c, std::ostream* out) {
    *out << c.name;
}

} // namespace kelvane::test
