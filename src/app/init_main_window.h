#pragma once

namespace kelvane {

struct Session;

// Gives the whole program state its start-up values: empty S2kLines and model, Scale 5.0 with both
// angles and offsets 0, the sixteen colours, the view options, the recorder and analysis defaults,
// no loads shown, colour range -1.0e-4 .. 1.0e-4, and DeformationScale, interaction mode,
// selection and animation at 0.
void InitMainWindow(Session& session);

} // namespace kelvane
