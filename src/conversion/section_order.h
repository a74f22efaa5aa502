// The sections of a run in their order, as one table: what each takes from
// the source, which files it creates or replaces, and which records are
// passed over before the next one. The run walks the table once; the source
// ending inside or right after a section ends the run there, with that
// section's files written and every later one's files left as they were.
#ifndef BORINGCONV_CONVERSION_SECTION_ORDER_H_
#define BORINGCONV_CONVERSION_SECTION_ORDER_H_

#include <span>
#include <string>
#include <string_view>

#include "run/run_context.h"
#include "soil/soil_sections.h"

namespace bc {

// What the sections of one run hand on to later ones.
struct SectionState {
  std::u16string destination;  // validated, ending in "\"
  double deepest = -999;       // the first pass's deepest layer bottom
  LayerTable layers;           // from the layer details, for the layer texts
};

struct Section {
  std::u16string_view records;                 // the record codes it takes
  double first_code;                           // the lowest of them
  std::span<const std::u16string_view> files;  // created or replaced, in order
  Flow (*run)(RunContext& ctx, SectionState& state);
  // Records passed over after the section, while this holds for their code;
  // nullptr when the next section starts at once.
  bool (*pass_over)(double code);
};

// Every section, the header first. Files named "LUGON_*" stand for the
// LUGON_n.HED, .TMP and .GRA files of the Lugeon tests.
std::span<const Section> SectionOrder();

// Reads the tag line, then runs the sections of SectionOrder().
void RunSections(RunContext& ctx, SectionState& state);

}  // namespace bc

#endif  // BORINGCONV_CONVERSION_SECTION_ORDER_H_
