#pragma once

#include "model/model_store.h"

// Checked reading of the references between records. The importer keeps every reference within
// its table, but a store built otherwise may not; a reference outside its table stops generation
// with a message naming the record and the value instead of reading past an array. Index 0 is
// the empty record of every table.
namespace kelvane {

// Stops when an array holds fewer records than its count says.
void checkStoreShape(const ModelStore& store);

const TSECTION& sectionOfFrame(const ModelStore& store, int frame);
const TMAT& materialOfSection(const ModelStore& store, int section);
// The material of a frame's section (the empty record for a frame without a section).
const TMAT& materialOfFrame(const ModelStore& store, int frame);
const TAREASEC& sectionOfArea(const ModelStore& store, int area);
const TMAT& materialOfShellSection(const ModelStore& store, int shellSection);
const TNODE& jointTiedTo(const ModelStore& store, int joint);

} // namespace kelvane
