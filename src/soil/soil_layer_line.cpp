#include "soil/soil_layer_line.h"

#include "soil/soil_dictionary.h"
#include "text/str_form.h"

namespace bc {

void WriteSoilLayerLine(const RunContext& ctx, OutputFile& out, std::int16_t& counter,
                        std::u16string_view depth, std::u16string_view description) {
  std::u16string code = FindSoilPattern(ctx, description);
  out.WriteLine(RightFit(StrInteger(counter), 3) + u"," + RightFit(depth, 7) + u"," + code + u"," +
                std::u16string(description));
  Advance(counter);
}

}  // namespace bc
