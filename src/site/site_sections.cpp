#include "site/site_sections.h"

#include <optional>

#include "site/blow_count_line.h"
#include "site/name_code_table.h"
#include "site/name_pair.h"
#include "site/sample_line.h"

namespace bc {

Flow RunSampleSection(RunContext& ctx) {
  OutputFile out = ctx.CreateOutput(u"X6.TXT");
  std::int16_t number = 1;
  Flow flow = ctx.WhileCode(3040, [&] {
    out.WriteLine(SampleLine(ctx.record(), number));
    Advance(number);
  });
  out.Close();
  return flow;
}

Flow RunNamePairSection(RunContext& ctx) {
  OutputFile out = ctx.CreateOutput(u"R30.TXT");
  std::int16_t number = 1;
  Flow flow = ctx.WhileCode(3070, [&] {
    const Record& record = ctx.record();
    NamePair pair = SplitNamePair(record.Field(3));
    NamePairCodes codes = CodeNamePair(ctx.store(), u"L19.TXT", pair, ctx.full_tables);
    out.WriteLine(NamePairLine(number, record.Field(2), pair, codes));
    Advance(number);
  });
  out.Close();
  return flow;
}

Flow RunBlowCountSection(RunContext& ctx) {
  OutputFile out = ctx.CreateOutput(u"X5.TXT");
  std::int16_t number = 1;
  Flow flow = ctx.WhileCode(4000, [&] {
    std::optional<std::u16string> line = BlowCountLine(ctx.record(), number);
    if (!line) return;  // a record passed over takes no number
    out.WriteLine(*line);
    Advance(number);
  });
  out.Close();
  return flow;
}

}  // namespace bc
