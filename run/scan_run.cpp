#include "run/scan_run.h"

#include <sched.h>

#include <algorithm>

#include "run/list_file.h"
#include "run/run_context.h"
#include "run/scan_ahead.h"
#include "scan/records.h"
#include "scan/result_file.h"
#include "scan/scan_file.h"

namespace vorlane {

int DefaultScanThreads() {
  cpu_set_t cores;
  if (::sched_getaffinity(0, sizeof cores, &cores) != 0) return 1;
  return std::clamp(CPU_COUNT(&cores), 1, 8);
}

void RunScan(std::string_view codeText, std::string_view toleranceText,
             const std::function<void()>& progress, int scanThreads) {
  RunContext& run = CurrentRun();
  run.code = codeText;
  run.toleranceText = toleranceText;
  run.resultFileName = ResultFileName(run.code);
  run.resultComplete = CreateResultFile(run.code);
  run.occurrenceCount = 0;

  const ScanQuery query = MakeScanQuery(run.code, run.toleranceText);
  ScanAhead ahead(query, scanThreads);
  ListPosition next;
  std::int64_t fetched = 0;
  std::int64_t firstUnknownEntry = run.fileCount;  // the list could not be read from here on
  for (std::int64_t index = 0; index < run.fileCount; ++index) {
    for (; fetched < run.fileCount && ahead.HasRoom(); ++fetched) {
      const std::string entry = FetchListEntryAt(run.listPath, next);
      if (next.failed && firstUnknownEntry == run.fileCount) firstUnknownEntry = fetched;
      ahead.Submit(entry, fetched);
    }
    if (index == firstUnknownEntry) run.resultComplete = false;
    if (progress) progress();
    // Once a record is lost the run writes no more: the file then holds the
    // run's first records, whole and in order, and no summary that would
    // vouch for the rest.
    ResultFile result = run.resultComplete ? AppendToResultFile(run.code) : ResultFile(-1);
    run.occurrenceCount += ahead.WriteOldest(result);
    run.resultComplete = result.Close();
  }

  const std::string codeAsTyped = run.code;  // it names the result file
  run.code = query.upperCode;
  if (!run.resultComplete) return;
  ResultFile result = AppendToResultFile(codeAsTyped);
  WriteSummaryRecord(result, run.occurrenceCount, run.code);
  run.resultComplete = result.Close();
}

}  // namespace vorlane
