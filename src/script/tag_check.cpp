#include "script/tag_check.h"

#include "common/error.h"
#include "script/area_formulation.h"
#include "script/block_writers.h"
#include "script/frame_releases.h"
#include "script/joint_springs.h"
#include "script/link_elements.h"
#include "script/link_springs.h"

#include <string>
#include <unordered_map>

namespace kelvane {
namespace {

std::string named(const char* what, int index, const std::string& name) {
    return std::string(what) + " " + std::to_string(index) + " (" + name + ")";
}

// The tags of one OpenSees namespace and the object each was given to.
class TagSpace {
  public:
    explicit TagSpace(const char* kind) : kind_(kind) {}
    void claim(std::int64_t tag, const std::string& owner) {
        auto [existing, added] = owners_.emplace(tag, owner);
        if (!added)
            fail("The script would give " + std::string(kind_) + " tag " + std::to_string(tag) +
                 " twice: to " + existing->second + " and to " + owner);
    }

  private:
    const char* kind_;
    std::unordered_map<std::int64_t, std::string> owners_;
};

bool hasFiberSection(std::int32_t type) {
    return type >= NonlinearBeamColumn && type <= CorotTruss;
}
bool hasAggregator(std::int32_t type) {
    return type >= NonlinearBeamColumn && type <= BeamWithHinge;
}

} // namespace

void checkTagCollisions(const ModelStore& store, const AnalysisSettings& analysis) {
    const int materialCount = countOf(store.materialCount);
    const int sectionCount = countOf(store.frameSectionCount);
    const int shellSectionCount = countOf(store.shellSectionCount);

    TagSpace uniaxial("uniaxialMaterial");
    for (int m = 1; m <= materialCount; ++m)
        if (store.materials[m].model >= ModelElastic && store.materials[m].model <= ModelConcrete02)
            uniaxial.claim(m, named("material", m, store.materials[m].name));
    for (int s = 1; s <= sectionCount; ++s)
        if (linkNeedsOwnSpring(store, s))
            uniaxial.claim(kLinkSpringTagBase + s,
                           "the link springs of " + named("frame section", s, store.frameSections[s].name));
    const FrameReleases releases = layOutFrameReleases(store);
    for (const ReleasedEnd& end : releases.ends)
        for (std::size_t c = 1; c <= 6; ++c)
            if (end.springs[c] != 0)
                uniaxial.claim(end.firstMaterial + static_cast<std::int64_t>(c) - 1,
                               "a spring at end " + std::string(end.endJ ? "J" : "I") + " of frame " +
                                   std::to_string(end.frame));
    for (const GroundSpring& spring : layOutGroundSprings(store, releases, 6))
        for (std::size_t c = 1; c <= 6; ++c)
            if (writesSpring(store.nodes[static_cast<std::size_t>(spring.joint)], c, 6))
                uniaxial.claim(spring.firstMaterial + static_cast<std::int64_t>(c) - 1,
                               "a spring of joint " + std::to_string(spring.joint));
    for (int p = 1; p <= countOf(store.linkPropCount) && p < static_cast<int>(store.linkProps.size()); ++p)
        for (std::size_t d = 1; d <= 6; ++d)
            uniaxial.claim(linkMaterialTag(p, d),
                           "direction " + std::to_string(d) + " of " +
                               named("link property", p, store.linkProps[static_cast<std::size_t>(p)].name));
    if (analysis.useAggregator)
        for (int s = 1; s <= sectionCount; ++s) {
            const std::string& name = store.frameSections[s].name;
            uniaxial.claim(200 + s, "the Vy shear material of " + named("frame section", s, name));
            uniaxial.claim(300 + s, "the Vz shear material of " + named("frame section", s, name));
            uniaxial.claim(400 + s, "the torsion material of " + named("frame section", s, name));
        }

    TagSpace nd("nDMaterial");
    TagSpace sections("section");
    for (int s = 1; s <= sectionCount; ++s) {
        const TSECTION& section = store.frameSections[s];
        if (hasFiberSection(section.elementType))
            sections.claim(s, "the fiber section of " + named("frame section", s, section.name));
        if (analysis.useAggregator && hasAggregator(section.elementType))
            sections.claim(1000 + s, "the aggregator of " + named("frame section", s, section.name));
    }
    // The elastic nD material of the bricks of each solid section number.
    std::unordered_map<std::int32_t, bool> brickClaimed;
    for (int i = 1; i <= countOf(store.solidCount); ++i) {
        const std::int32_t section = store.solids[static_cast<std::size_t>(i)].section;
        if (!brickClaimed[section]) {
            brickClaimed[section] = true;
            nd.claim(section,
                     "the elastic nD material of the bricks of solid section " + std::to_string(section));
        }
    }
    std::unordered_map<std::int32_t, bool> elasticClaimed;
    for (int a = 1; a <= shellSectionCount; ++a) {
        const TAREASEC& shell = store.shellSections[a];
        if (shell.isShell != 1)
            continue;
        if (!takesPlateFiberSection(shell)) {
            sections.claim(700 + a, "the membrane-plate section of " + named("shell section", a, shell.name));
            continue;
        }
        if (!analysis.genPlateFiber)
            continue;
        const std::int32_t m = shell.material;
        if (m > 0 && !elasticClaimed[m]) {
            elasticClaimed[m] = true;
            nd.claim(m, "the elastic nD material of " + named("material", m, store.materials[m].name));
        }
        if (shell.elasticFactor != 1)
            nd.claim(kModifiedShellMaterialBase + a,
                     "the elastic nD material of " + named("shell section", a, shell.name));
        nd.claim(600 + a, "the plate-fiber material of " + named("shell section", a, shell.name));
        sections.claim(700 + a, "the plate-fiber section of " + named("shell section", a, shell.name));
    }
}

} // namespace kelvane
