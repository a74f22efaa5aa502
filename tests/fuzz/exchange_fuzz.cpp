// libFuzzer target for the exchange XML import: any bytes either import or
// end in a RunError; nothing else may escape, crash or run long.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "exchange/exchange_import.h"
#include "run/run_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  bc::LooksLikeExchangeXml(bytes);
  try {
    bc::ImportExchangeXml(bytes);
  } catch (const bc::RunError&) {
  }
  return 0;
}
