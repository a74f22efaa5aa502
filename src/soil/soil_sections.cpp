#include "soil/soil_sections.h"

namespace bc {

// Placeholders until the soil writers exist: the records are read past.
Flow RunSoilLayerSection(RunContext& ctx) { return ctx.WhileCode(2000, [] {}); }
Flow RunLayerDetailSection(RunContext& ctx, LayerTable&) { return ctx.WhileCode(2001, [] {}); }
Flow RunLayerTextSection(RunContext& ctx, const LayerTable&) { return ctx.WhileCode(2002, [] {}); }

}  // namespace bc
