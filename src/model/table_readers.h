#pragma once

#include "model/colour_table.h"
#include "model/model_store.h"

// The table readers of the import, in the order the import driver runs them. Each locates its
// table in the store's S2kLines, sizes its array and fills it; a failure stops the import and
// leaves what was stored before it.
namespace kelvane {

void readJointTable(ModelStore& store);
void readConstraintTable(ModelStore& store);
void readRestraintTable(ModelStore& store);
void readMassTable(ModelStore& store);
void readMaterialTable(ModelStore& store);
void readFrameSectionTable(ModelStore& store, const ColourTable& colours);
void readShellSectionTable(ModelStore& store, const ColourTable& colours);
void readFrameTable(ModelStore& store);
void readShellTable(ModelStore& store);
void readSolidTable(ModelStore& store);
void readLoadTable(ModelStore& store);

// After all tables: a rigid-link frame (section element type 7) with a J-end release ties joint I
// to joint J, one with an I-end release ties joint J to joint I.
void tieRigidLinks(ModelStore& store);

} // namespace kelvane
