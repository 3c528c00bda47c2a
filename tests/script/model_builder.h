#pragma once

#include "model/model_store.h"
#include "script/script_writer.h"

#include <algorithm>
#include <string>
#include <vector>

// Builds small stores by hand for the generator tests: each add* appends one record and keeps the
// count and the 1-based array in step.
namespace kelvane::test {

template <typename Record> Record& append(std::vector<Record>& records, std::int32_t& count) {
    if (records.empty())
        records.resize(1);
    records.emplace_back();
    count = static_cast<std::int32_t>(records.size() - 1);
    return records.back();
}

inline TNODE& addNode(ModelStore& s, double x, double y, double z) {
    TNODE& n = append(s.nodes, s.nodeCount);
    n.x = x;
    n.y = y;
    n.z = z;
    return n;
}

inline TMAT& addMaterial(ModelStore& s, const std::string& name, double e, double nu) {
    TMAT& m = append(s.materials, s.materialCount);
    m = TMAT{};
    m.name = name;
    m.model = ModelElastic;
    m.e = e;
    m.nu = nu;
    m.g = e / 2 / (1 + nu);
    return m;
}

inline TSECTION& addRectangle(ModelStore& s, const std::string& name, std::int32_t type, double depth,
                              double width, std::int32_t material) {
    TSECTION& r = append(s.frameSections, s.frameSectionCount);
    r.name = name;
    r.shape = ShapeRectangle;
    r.elementType = type;
    r.t1 = depth;
    r.t2 = width;
    r.material = material;
    r.divideFX = r.divideFY = r.barNumNX = r.barNumNY = 2;
    r.cover = 35;
    r.topBar = r.bottomBar = 1000;
    r.sectionKind = r.geomTransf = 1;
    return r;
}

inline TFRAME& addFrame(ModelStore& s, std::int32_t nodeI, std::int32_t nodeJ, std::int32_t section) {
    TFRAME& f = append(s.frames, s.frameCount);
    f.nodeI = nodeI;
    f.nodeJ = nodeJ;
    f.section = section;
    f.axis2Z = 1;
    return f;
}

inline TLOAD& addLoad(ModelStore& s, const std::string& caseName, std::int32_t kind, std::int32_t target) {
    TLOAD& l = append(s.loads, s.loadCount);
    l.caseName = caseName;
    l.kind = kind;
    l.target = target;
    return l;
}

inline void addLoadCase(ModelStore& s, const std::string& name) {
    s.loadCaseNames.resize(static_cast<std::size_t>(++s.loadCaseCount));
    s.loadCaseNames.push_back(name);
}

inline bool contains(const ScriptLines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

} // namespace kelvane::test
