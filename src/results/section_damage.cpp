#include "results/section_damage.h"

#include "common/error.h"
#include "common/number_format.h"
#include "results/recorder_files.h"
#include "script/fiber_strain_recorders.h"
#include "sections/fiber_mesher.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <filesystem>
#include <map>

namespace kelvane {
namespace {

constexpr double kUnconfinedSpalling = 0.004;
constexpr double kAreaTolerance = 1e-4; // the recorder writes six significant digits

enum class FiberKind { None, Steel, Cover, Core };

// The limits of one fiber: which states it can reach, and at what strain.
struct FiberRule {
    FiberKind kind = FiberKind::None;
    double yield = 0;    // steel
    double spalling = 0; // cover: compression
    double crushing = 0; // core, or cover of a section without a core: compression (0: never)
};

FiberRule ruleOf(const ModelStore& store, const TSECTION& section, std::int32_t materialIndex,
                 const DamageLimits& limits) {
    FiberRule rule;
    if (materialIndex < 1 || materialIndex > countOf(store.materialCount) ||
        materialIndex >= static_cast<int>(store.materials.size()))
        return rule;
    const TMAT& material = store.materials[static_cast<std::size_t>(materialIndex)];
    const MaterialParameters& p = material.parameters;
    if (material.model == ModelSteel01 || material.model == ModelSteel02) {
        rule.kind = FiberKind::Steel;
        // The model's own parameters, else the yield stress and modulus the file gave the material.
        const double fy = p.Fy != 0 ? std::abs(p.Fy) : std::abs(material.fy);
        const double e = p.E0 > 0 ? p.E0 : material.e;
        rule.yield = limits.yieldStrain > 0 ? limits.yieldStrain : e > 0 ? fy / e : 0;
        return rule;
    }
    if (material.model != ModelConcrete01 && material.model != ModelConcrete02)
        return rule;
    const bool core = section.coreMaterial != 0 && materialIndex == section.coreMaterial;
    rule.kind = core ? FiberKind::Core : FiberKind::Cover;
    rule.spalling = limits.spallingStrain > 0 ? limits.spallingStrain
                    : p.epsc0 != 0            ? 2 * std::abs(p.epsc0)
                                              : kUnconfinedSpalling;
    // Without a confined core, the one concrete crushes where it reaches its ultimate strain.
    if (core || section.coreMaterial == 0)
        rule.crushing = limits.crushingStrain > 0 ? limits.crushingStrain : std::abs(p.epsU);
    return rule;
}

void judge(const FiberRule& rule, double strain, const DamageLimits& limits,
           std::array<bool, kDamageStateCount>& states) {
    switch (rule.kind) {
    case FiberKind::Steel:
        if (rule.yield > 0 && std::abs(strain) >= rule.yield)
            states[SteelYielded] = true;
        if (strain >= limits.rebarUltimateStrain)
            states[RebarUltimate] = true;
        break;
    case FiberKind::Cover:
        if (-strain >= rule.spalling)
            states[CoverSpalled] = true;
        [[fallthrough]];
    case FiberKind::Core:
        if (rule.crushing > 0 && -strain >= rule.crushing)
            states[CoreCrushed] = true;
        break;
    case FiberKind::None:
        break;
    }
}

// The sections as the script wrote their fibers: meshed from their dimensions by the same mesher.
using MeshedSections = std::map<std::int32_t, TSECTION>;

const TSECTION* fiberSectionOf(const ModelStore& store, int frame, int point,
                               const AnalysisSettings& analysis, MeshedSections& meshed) {
    const std::int32_t s = store.frames[static_cast<std::size_t>(frame)].section;
    if (s < 1 || s > countOf(store.frameSectionCount) || s >= static_cast<int>(store.frameSections.size()))
        return nullptr;
    if (!hasFiberSectionAt(store.frameSections[static_cast<std::size_t>(s)].elementType, point, analysis))
        return nullptr;
    auto found = meshed.find(s);
    if (found == meshed.end()) {
        found = meshed.emplace(s, store.frameSections[static_cast<std::size_t>(s)]).first;
        meshFiberSection(found->second, s, analysis.rebarMaterial);
    }
    return &found->second;
}

// One file: the frames of the block with a fiber section at the point, judged over lines 1..step.
void readBlock(const ModelStore& store, const AnalysisSettings& analysis, const std::string& path,
               const RecorderBlock& block, int point, std::int32_t step, const DamageLimits& limits,
               MeshedSections& meshed, DamageSummary& summary) {
    struct Recorded {
        int frame = 0;
        int offset = 0; // the field of its first fiber's y
        const TSECTION* section = nullptr;
        std::vector<FiberRule> rules;
        std::array<bool, kDamageStateCount> states{};
    };
    std::vector<Recorded> recorded;
    int fieldsNeeded = 1; // the time
    for (int f = block.firstObject; f < block.firstObject + block.objectCount; ++f) {
        const TSECTION* section = fiberSectionOf(store, f, point, analysis, meshed);
        if (section == nullptr)
            continue;
        if (section->fiberCount < 0 || section->fiberCount > kFiberCapacity)
            fail("Frame section " + section->name + " holds " + std::to_string(section->fiberCount) +
                 " fibers");
        Recorded entry{f, fieldsNeeded, section, {}, {}};
        for (int j = 1; j <= section->fiberCount; ++j)
            entry.rules.push_back(
                ruleOf(store, *section, section->fibers[static_cast<std::size_t>(j)].material, limits));
        fieldsNeeded += kFiberValues * section->fiberCount;
        recorded.push_back(std::move(entry));
    }
    if (recorded.empty())
        return;
    if (!std::filesystem::exists(path))
        fail("The fiber recorder file \"" + path +
             "\" is missing: write the script with sectionStressStrain=1 (the recorder of the section "
             "stress-strain) and run it");
    const RecorderFile file(path);
    FieldViews fields;
    for (long long line = 1; line <= step; ++line) {
        splitRecorderLine(file, line, fieldsNeeded, fields);
        for (Recorded& entry : recorded)
            for (int j = 1; j <= entry.section->fiberCount; ++j) {
                const int at = entry.offset + kFiberValues * (j - 1);
                const double area = fieldValue(fields, at + 2);
                const double expected = entry.section->fibers[static_cast<std::size_t>(j)].area;
                if (line == 1 && std::abs(area - expected) > kAreaTolerance * std::abs(expected))
                    fail("The fibers of frame " + std::to_string(entry.frame) + " in \"" + path +
                         "\" are not those of its section " + entry.section->name + " (fiber " +
                         std::to_string(j) + " has area " + formatGeneral(area) + ", not " +
                         formatGeneral(expected) + "): the results were written with another model");
                judge(entry.rules[static_cast<std::size_t>(j - 1)], fieldValue(fields, at + 4), limits,
                      entry.states);
            }
    }
    for (const Recorded& entry : recorded) {
        ++summary.sectionsRead;
        if (std::none_of(entry.states.begin(), entry.states.end(), [](bool state) { return state; }))
            continue;
        SectionDamage damage;
        damage.frame = entry.frame;
        damage.point = point;
        damage.position = integrationPointPosition(entry.section->elementType, point, analysis);
        damage.states = entry.states;
        for (int state = 0; state < kDamageStateCount; ++state)
            summary.counts[static_cast<std::size_t>(state)] += entry.states[static_cast<std::size_t>(state)];
        summary.damaged.push_back(damage);
    }
}

} // namespace

int SectionDamage::worst() const {
    // By severity: rebar at its ultimate strain, core crushed, cover spalled, steel yielded.
    for (const int state : {RebarUltimate, CoreCrushed, CoverSpalled, SteelYielded})
        if (states[static_cast<std::size_t>(state)])
            return state;
    return -1;
}

DamageSummary readSectionDamage(const ModelStore& store, const AnalysisSettings& analysis,
                                const std::string& folder, std::int32_t step, const DamageLimits& limits) {
    if (step < 1)
        fail("The damage is read at a step from 1 on, not " + std::to_string(step));
    const int frameCount = countOf(store.frameCount);
    if (static_cast<long long>(store.frames.size()) <= frameCount)
        fail("The model holds fewer frame records than its frame count");
    const int points = fiberPointCount(store, analysis);
    if (points == 0)
        fail("The model has no nonlinear beam-column with a fiber section: there is no damage to read");
    DamageSummary summary;
    summary.step = step;
    MeshedSections meshed;
    for (int point = 1; point <= points; ++point)
        for (int b = 0; b < blockCount(frameCount); ++b) {
            const RecorderBlock block = recorderBlock(frameCount, b);
            const std::string path =
                recorderPath(folder, fiberFileName(frameFileNumber(frameCount, b), point));
            readBlock(store, analysis, path, block, point, step, limits, meshed, summary);
        }
    return summary;
}

void showDamage(const DamageSummary& summary, ResultDisplay& display) {
    display.damage.step = summary.step;
    display.damage.sections = summary.sectionsRead;
    display.damage.counts = summary.counts;
    display.damage.marks.clear();
    for (const SectionDamage& section : summary.damaged)
        display.damage.marks.push_back({section.frame, section.position, section.worst()});
}

std::vector<std::string> damageCountLines(const DamageDisplay& summary) {
    std::vector<std::string> lines{"step=" + std::to_string(summary.step),
                                   "sections=" + std::to_string(summary.sections)};
    for (int state = 0; state < kDamageStateCount; ++state)
        lines.push_back(std::string(kDamageStateNames[static_cast<std::size_t>(state)]) + "=" +
                        std::to_string(summary.counts[static_cast<std::size_t>(state)]));
    return lines;
}

} // namespace kelvane
