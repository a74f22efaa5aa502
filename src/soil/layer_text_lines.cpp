#include "soil/layer_text_lines.h"

#include <cmath>
#include <vector>

#include "run/run_context.h"
#include "text/ansi_bytes.h"
#include "text/fixed_width.h"
#include "text/numeric.h"
#include "text/str_form.h"
#include "text/trim.h"

namespace bc {
namespace {

constexpr double kLineStep = 0.08;

// The depth column: right-aligned in 7 bytes.
std::u16string DepthColumn(std::u16string_view depth_text) {
  std::u16string column = AnsiRightBytes(std::u16string(7, u' ') + std::u16string(depth_text), 7);
  while (AnsiSize(column) < 7) column.insert(0, 1, u' ');  // a cut double-byte character
  return column;
}

void WriteTextLine(OutputFile& out, LayerTextState& state, std::u16string_view depth_text,
                   std::u16string_view text) {
  out.WriteLine({RightFit(StrInteger(state.counter), 3), u",", DepthColumn(depth_text), u",\"",
                 FitToWidth(text, static_cast<int>(kLayerTextWidth)), u"\""});
  Advance(state.counter);
}

// Cuts pieces of at most 255 bytes from the front of text while more than 255
// bytes remain; a double-byte character at the limit starts the next piece
// instead of being split. text keeps the remainder.
// The remainder is measured once and cut once, so that a long text costs
// time in proportion to its length.
std::vector<std::u16string> CutPieces(std::u16string& text) {
  std::vector<std::u16string> pieces;
  std::u16string_view rest = text;
  std::size_t rest_size = AnsiSize(rest);
  while (rest_size > kLayerTextWidth) {
    std::u16string piece = AnsiLeftBytes(rest, kLayerTextWidth);
    rest.remove_prefix(piece.size());
    rest_size -= AnsiSize(piece);
    pieces.push_back(std::move(piece));
  }
  text = std::u16string(rest);
  return pieces;
}

bool StartsContinuation(std::u16string_view text) {
  return !text.empty() && (text[0] == u'\\' || text[0] == u'￥');
}

}  // namespace

float AdvanceTextDepth(float depth) {
  return static_cast<float>(std::trunc((static_cast<double>(depth) + kLineStep) * 100) / 100);
}

std::u16string ApplyBracketDepth(const std::u16string& field, LayerTextState& state) {
  if (field.empty() || field[0] != u'[') return field;
  std::size_t close = field.find(u']');
  // Without "]" there is no depth to take; the text is kept as it stands.
  if (close == std::u16string::npos) return field;
  state.depth_text = field.substr(1, close - 1);
  state.text_depth = SingleOrStop(NumericValue(state.depth_text));
  return field.substr(close + 1);
}

void WriteLayerTextLines(OutputFile& out, LayerTextState& state, std::u16string text) {
  if (StartsContinuation(text)) {
    text = state.carry + text.substr(1);
    state.carry.clear();
  } else if (!state.carry.empty()) {
    state.text_depth = AdvanceTextDepth(state.text_depth);
    WriteTextLine(out, state, StrSingle(state.text_depth), state.carry);
    state.carry.clear();
  }
  if (IsBlankText(text)) return;

  std::vector<std::u16string> pieces;
  if (AnsiSize(text) > kLayerTextWidth) {
    pieces = CutPieces(text);
    state.carry = std::move(text);
  } else if (!state.depth_text.empty()) {
    pieces.push_back(std::move(text));
  } else {
    state.carry = std::move(text);
  }
  for (const std::u16string& piece : pieces) {
    if (state.depth_text.empty()) {
      state.text_depth = AdvanceTextDepth(state.text_depth);
      state.depth_text = StrSingle(state.text_depth);
    }
    WriteTextLine(out, state, state.depth_text, piece);
    state.depth_text.clear();
  }
}

}  // namespace bc
