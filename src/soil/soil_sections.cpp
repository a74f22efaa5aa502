#include "soil/soil_sections.h"

#include <vector>

#include "run/run_context.h"
#include "run/run_error.h"
#include "soil/layer_attribute_lines.h"
#include "soil/layer_code_line.h"
#include "soil/layer_text_lines.h"
#include "soil/soil_dictionary.h"
#include "soil/soil_layer_line.h"
#include "text/numeric.h"
#include "text/str_form.h"

namespace bc {
namespace {

constexpr double kSoilLayerCode = 2000;
constexpr double kLayerDetailCode = 2001;
constexpr double kLayerTextCode = 2002;

// Keeps the layer's bottom depth and its number of texts for X12.TXT.
void AddLayer(const Record& record, LayerTable& layers) {
  if (layers.count == LayerTable::kMaxLayers) {
    throw RunError(u"地層の数が 250 を超えています。", RunError::Where::kCurrentLine);
  }
  LayerTable::Layer& layer = layers.layers[static_cast<std::size_t>(++layers.count)];
  layer.depth = FieldSingleOrStop(record, 2);
  layer.text_count = FieldInt16OrStop(record, 11);
}

// Reads the texts of one layer, the current record being its first. Returns
// Flow::kEnd when the source ended among them.
Flow WriteLayerTexts(RunContext& ctx, OutputFile& out, LayerTextState& state, int text_count) {
  WriteLayerTextLines(out, state, ApplyBracketDepth(ctx.record().Field(2), state));
  for (int i = 1; i < text_count; ++i) {
    if (ctx.AtEnd()) return Flow::kEnd;
    ctx.Next();  // a layer's texts are taken whatever their code
    WriteLayerTextLines(out, state, ApplyBracketDepth(ctx.record().Field(2), state));
  }
  if (ctx.AtEnd()) return Flow::kEnd;
  ctx.Next();
  return Flow::kContinue;
}

}  // namespace

Flow RunSoilLayerSection(RunContext& ctx) {
  OutputFile x1 = ctx.CreateOutput(u"X1.TXT");
  std::int16_t counter = 1;
  SoilDictionaryAdditions additions(ctx);
  Flow flow;
  try {
    flow = ctx.WhileCode(kSoilLayerCode, [&] {
      WriteSoilLayerLine(ctx, x1, counter, ctx.record().Field(2), ctx.record().Field(3));
    });
  } catch (const RunError&) {
    // The lines written so far name their codes: the lists keep them.
    additions.Save();
    throw;
  }
  additions.Save();
  x1.Close();
  return flow;
}

Flow RunLayerDetailSection(RunContext& ctx, LayerTable& layers) {
  OutputFile x3 = ctx.CreateOutput(u"X3.TXT");
  std::vector<OutputFile> r_files;
  AttributeFiles attributes;
  for (int a = 1; a <= kAttributeCount; ++a) {
    r_files.push_back(ctx.CreateOutput(u"R3" + StrInteger(a).substr(1) + u".TXT"));
  }
  for (std::size_t i = 0; i < r_files.size(); ++i) attributes.files[i] = &r_files[i];

  std::int16_t x3_counter = 1;
  Flow flow = ctx.WhileCode(kLayerDetailCode, [&] {
    const Record& record = ctx.record();
    WriteLayerCodeLine(x3, x3_counter, record.Field(2), record.Field(4), ctx.tables.l4);
    WriteLayerAttributeLines(ctx, attributes, record);
    AddLayer(record, layers);
  });
  x3.Close();
  for (OutputFile& file : r_files) file.Close();
  return flow;
}

Flow RunLayerTextSection(RunContext& ctx, const LayerTable& layers) {
  OutputFile x12 = ctx.CreateOutput(u"X12.TXT");
  LayerTextState state;
  Flow flow = Flow::kContinue;
  for (int k = 1; k <= layers.count && flow == Flow::kContinue; ++k) {
    const LayerTable::Layer& top = layers.layers[static_cast<std::size_t>(k - 1)];
    state.carry.clear();
    state.depth_text = StrSingle(top.depth);
    state.text_depth = top.depth;
    if (ctx.Code() != kLayerTextCode) continue;
    std::int16_t text_count = layers.layers[static_cast<std::size_t>(k)].text_count;
    if (text_count != 0) flow = WriteLayerTexts(ctx, x12, state, text_count);
    // The layer's last text waits in the carry; it is written even when the
    // source ended among the texts.
    WriteLayerTextLines(x12, state, u"");
  }
  WriteLayerTextLines(x12, state, u"");
  x12.Close();
  return flow;
}

}  // namespace bc
