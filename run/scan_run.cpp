#include "run/scan_run.h"

#include "run/list_file.h"
#include "run/run_context.h"
#include "scan/code_page.h"
#include "scan/records.h"
#include "scan/result_file.h"
#include "scan/scan_file.h"

namespace vorlane {

void RunScan(std::string_view codeText, std::string_view toleranceText,
             const std::function<void()>& progress) {
  RunContext& run = CurrentRun();
  run.code = codeText;
  run.toleranceText = toleranceText;
  run.resultFileName = ResultFileName(run.code);
  run.resultComplete = CreateResultFile(run.code);
  run.occurrenceCount = 0;

  ListPosition next;
  for (std::int64_t index = 0; index < run.fileCount; ++index) {
    const std::string entry = FetchListEntryAt(run.listPath, next);
    if (progress) progress();
    const ScanOutcome outcome = ScanFile(entry, run.code, run.toleranceText, index);
    run.occurrenceCount += outcome.hits;
    run.resultComplete = run.resultComplete && outcome.resultWritten;
  }

  ResultFile result = AppendToResultFile(run.code);  // the name keeps the code as typed
  run.code = UpperCase1252(run.code);
  WriteSummaryRecord(result, run.occurrenceCount, run.code);
  run.resultComplete = result.Close() && run.resultComplete;
}

}  // namespace vorlane
