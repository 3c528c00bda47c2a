#pragma once

#include "model/colour_table.h"
#include "model/model_store.h"
#include "model/s2k_table.h"

// The table readers of the import, in the order the import driver runs them. Each takes the place
// of its table in the store's S2kLines from the index, sizes its array and fills it; a failure
// stops the import and leaves what was stored before it.
namespace kelvane {

void readJointTable(ModelStore& store, const TableIndex& tables);
void readConstraintTable(ModelStore& store, const TableIndex& tables);
void readRestraintTable(ModelStore& store, const TableIndex& tables);
void readMassTable(ModelStore& store, const TableIndex& tables);
void readMaterialTable(ModelStore& store, const TableIndex& tables);
void readFrameSectionTable(ModelStore& store, const TableIndex& tables, const ColourTable& colours);
void readShellSectionTable(ModelStore& store, const TableIndex& tables, const ColourTable& colours);
void readFrameTable(ModelStore& store, const TableIndex& tables);
void readShellTable(ModelStore& store, const TableIndex& tables);
void readSolidTable(ModelStore& store, const TableIndex& tables);
void readLoadTable(ModelStore& store, const TableIndex& tables);

// After the element tables: the elements' own mass, from their materials' mass per unit volume
// (M=), lumped to the joints on top of the MASS table's: half a frame's to each end, a shell's to
// its corners by tributary area, an eighth of a solid's to each corner, the same along X, Y, Z.
void addKeywordElementMass(ModelStore& store);

// After all tables: a rigid-link frame (section element type 7) with a J-end release ties joint I
// to joint J, one with an I-end release ties joint J to joint I.
void tieRigidLinks(ModelStore& store);

} // namespace kelvane
