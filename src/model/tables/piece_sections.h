#pragma once

#include "model/model_store.h"
#include "model/tables/import_context.h"
#include "model/tables/nonprismatic.h"

#include <cstdint>
#include <map>
#include <tuple>

namespace kelvane::tables {

// The store sections of the elements of nonprismatic frames: one section per distinct set of
// properties, named after the nonprismatic section ("TAPER~1", "TAPER~2", ...), each with its
// weight per length for self weight.
class PieceSections {
  public:
    explicit PieceSections(ImportContext& context) : context_(context) {}

    // The section of the element from `from` to `to` (mm from joint I) within a span of the
    // nonprismatic section `nonprismatic` (1-based): the segment's own section where it does not
    // vary, else one made for the element.
    std::int32_t sectionOf(std::int32_t nonprismatic, const SegmentSpan& span, double from, double to);

  private:
    // The section with its properties computed from its dimensions where the file gives none.
    const TSECTION& computed(std::int32_t s);
    // The area that weighs (the file's Area times WMod, else the computed area); -1 for none.
    double weightAreaOf(std::int32_t s);

    ImportContext& context_;
    std::map<std::int32_t, TSECTION> computed_;
    std::map<std::int32_t, int> madeOf_;
    std::map<std::tuple<std::int32_t, std::int32_t, double, double, double, double, double, double, double>,
             std::int32_t>
        made_;
};

} // namespace kelvane::tables
