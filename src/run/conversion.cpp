#include "run/conversion.h"

namespace bc {

bool RunConversion(const RunRequest&, Environment&, RunUi& ui) {
  ui.SetStatus(u"");
  return false;  // the run frame lands shortly
}

}  // namespace bc
