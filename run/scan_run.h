// A run: every entry of the list file scanned for one code, then the summary.
#pragma once

#include <functional>
#include <string_view>

namespace vorlane {

// The number of files a run scans at once unless told otherwise: the cores
// this process may run on, at most 8.
int DefaultScanThreads();

// Uses the list path and the file count of CurrentRun(), stores the code and
// the tolerance text there, and leaves the occurrence count, whether the
// result file was fully written, and the code in upper case. progress is
// called once per entry, in list order, before that entry's records are
// written. Up to scanThreads files are scanned at once, ahead of the entry
// being written; the result file is the same for every thread count. The
// call returns when the summary has been written. A run that cannot write a
// record, or cannot read the list to the end, goes on counting, but writes
// nothing more, not even the summary, and leaves resultComplete false.
void RunScan(std::string_view codeText, std::string_view toleranceText,
             const std::function<void()>& progress, int scanThreads = DefaultScanThreads());

}  // namespace vorlane
