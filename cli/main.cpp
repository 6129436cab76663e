// vorlane-scan: the desktop program's run, from the command line.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "cli/arguments.h"
#include "cli/progress_meter.h"
#include "run/list_file.h"
#include "run/run_context.h"
#include "run/scan_run.h"
#include "scan/code_page.h"

namespace {

constexpr int kExitDone = 0;
constexpr int kExitIncomplete = 1;
constexpr int kExitUsage = 2;

int UsageError(const std::string& message) {
  std::fprintf(stderr, "vorlane-scan: %s\nTry 'vorlane-scan --help'.\n", message.c_str());
  return kExitUsage;
}

struct ListLocation {
  std::string folder;
  std::string name;
};

// Splits the list path into the folder that the run works in and the bare
// name by which the run opens the list, as the desktop program does.
ListLocation Locate(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {".", path};
  return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

}  // namespace

int main(int argc, char** argv) {
  using vorlane::cli::ParsedArguments;
  const ParsedArguments parsed = vorlane::cli::ParseArguments(argc, argv);
  if (parsed.kind == ParsedArguments::Kind::Help) {
    std::fputs(vorlane::cli::kUsage, stdout);
    return kExitDone;
  }
  if (parsed.kind == ParsedArguments::Kind::Error) return UsageError(parsed.error);
  const vorlane::cli::Arguments& args = parsed.arguments;

  const ListLocation list = Locate(args.listPath);
  struct stat status {};
  if (::stat(list.folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
    return UsageError("the list file's folder '" + list.folder + "' does not exist");
  }
  const bool listExists = ::stat(args.listPath.c_str(), &status) == 0;
  if (list.name.empty() || (listExists && S_ISDIR(status.st_mode))) {
    return UsageError("the list path '" + args.listPath + "' names a folder, not a list file");
  }
  if (listExists && !S_ISREG(status.st_mode)) {
    return UsageError("the list path '" + args.listPath + "' is not a regular file");
  }
  if (::chdir(list.folder.c_str()) != 0) {
    return UsageError("cannot enter the folder '" + list.folder + "': " + std::strerror(errno));
  }

  vorlane::RunContext& run = vorlane::CurrentRun();
  run.listPath = list.name;
  run.fileCount = vorlane::CountListEntries(run.listPath);
  if (run.fileCount == 0) return UsageError("cannot read the list file '" + args.listPath + "'");
  if (!listExists) {
    std::fprintf(stderr, "vorlane-scan: the list file '%s' did not exist; it was created empty\n",
                 args.listPath.c_str());
  }

  {
    vorlane::cli::ProgressMeter meter(run.fileCount);
    const int scanThreads = args.scanThreads > 0 ? args.scanThreads : vorlane::DefaultScanThreads();
    vorlane::RunScan(args.code, args.toleranceText, [&meter] { meter.Step(); }, scanThreads);
  }

  std::error_code error;
  const std::filesystem::path folder = std::filesystem::current_path(error);
  const std::string resultPath = (folder / run.resultFileName).string();
  if (!run.resultComplete) {
    std::fprintf(stderr, "vorlane-scan: error: the result file '%s' could not be fully written\n",
                 resultPath.c_str());
    return kExitIncomplete;
  }
  std::printf("%lld %s scanned, %lld %s of %s found, result in %s\n",
              static_cast<long long>(run.fileCount), run.fileCount == 1 ? "file" : "files",
              static_cast<long long>(run.occurrenceCount),
              run.occurrenceCount == 1 ? "occurrence" : "occurrences",
              ('<' + vorlane::Cp1252ToUtf8(run.code) + '>').c_str(), resultPath.c_str());
  return kExitDone;
}
