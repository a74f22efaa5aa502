#include "run/run_context.h"

#include <cmath>
#include <limits>

#include "run/run_error.h"
#include "text/free_format.h"
#include "text/numeric.h"

namespace bc {

RunContext::RunContext(const Environment& env, LineReader& source, Record& record,
                       std::u16string output_folder, PatternStore& store)
    : env_(env),
      source_(source),
      record_(record),
      output_folder_(std::move(output_folder)),
      store_(store) {}

RunContext::RunContext(const Environment& env, LineReader& source, Record& record,
                       std::u16string output_folder, std::u16string patdat_path)
    : env_(env),
      source_(source),
      record_(record),
      output_folder_(std::move(output_folder)),
      own_store_(
          std::make_unique<PatternStore>(env, std::move(patdat_path), FileSystem::Default())),
      store_(*own_store_) {}

void RunContext::Next() {
  current_line_ = source_.ReadLine();
  SplitCurrentLine(source_.line_number());
}

void RunContext::Resplit(std::u16string_view line, long line_number) {
  current_line_.assign(line);
  SplitCurrentLine(line_number);
}

void RunContext::SplitCurrentLine(long line_number) {
  record_.line_number = line_number;
  if (!SplitRecord(current_line_, record_)) {
    throw RunError::AtLine(TooManyFieldsMessage(), record_.line_number);
  }
}

OutputFile RunContext::CreateOutput(std::u16string_view name) const {
  std::u16string shown = output_folder_ + std::u16string(name);
  if (!outputs_) outputs_.emplace(env_.HostPath(output_folder_));
  created_.push_back(outputs_->Entry(name));
  return OutputFile(store_.file_system(), created_.back(), shown);
}

std::vector<CodeName> RunContext::CodeTable(std::u16string_view name) const {
  std::vector<CodeName> table;
  for (const auto& items : store_.Table(name).Entries()) {
    table.push_back({ItemOrEmpty(items, 0), ItemOrEmpty(items, 1)});
  }
  return table;
}

std::int16_t Int16OrStop(double value) {
  auto result = ToInt16(value);
  if (!result) throw RunError(NumberOutOfRangeMessage(), RunError::Where::kCurrentLine);
  return *result;
}

std::int16_t FieldInt16OrStop(const Record& record, int field) {
  auto result = ToInt16(NumericValue(record.Field(field)));
  if (!result) throw RunError::InField(NumberOutOfRangeMessage(), field);
  return *result;
}

float FieldSingleOrStop(const Record& record, int field) {
  try {
    return SingleOrStop(NumericValue(record.Field(field)));
  } catch (const RunError& error) {
    throw RunError::InField(error.message(), field);
  }
}

float SingleOrStop(double value) {
  if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) {
    throw RunError(u"数値が単精度の範囲を超えています。", RunError::Where::kCurrentLine);
  }
  return static_cast<float>(value);
}

void Advance(std::int16_t& counter) {
  if (counter == 32767) {
    throw RunError(u"行番号が 32767 を超えました。", RunError::Where::kCurrentLine);
  }
  ++counter;
}

}  // namespace bc
