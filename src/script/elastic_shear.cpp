#include "script/elastic_shear.h"

namespace kelvane {

bool deflectsInShear(const TSECTION& section) {
    return section.elementType == ElasticBeamColumn && section.shearDeformation &&
           (section.av2 > 0 || section.av3 > 0);
}

double writtenShearArea(const TSECTION& section, double shearArea) {
    return shearArea > 0 ? shearArea : 1e6 * section.area;
}

} // namespace kelvane
