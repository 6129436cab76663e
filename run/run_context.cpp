#include "run/run_context.h"

namespace vorlane {

RunContext& CurrentRun() {
  static RunContext run;
  return run;
}

}  // namespace vorlane
