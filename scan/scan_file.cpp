#include "scan/scan_file.h"

#include <string>

#include "scan/code_page.h"
#include "scan/match_targets.h"
#include "scan/pack_ident.h"
#include "scan/records.h"
#include "scan/result_file.h"
#include "scan/scenery_file.h"
#include "scan/stream_scan.h"

namespace vorlane {

ScanOutcome ScanFile(std::string_view path, std::string_view code, std::string_view toleranceText,
                     std::int64_t entryIndex, RecordsTo records) {
  const std::string upperCode = UpperCase1252(code);
  const std::uint32_t ident = PackIdent(upperCode);
  const std::int64_t tolerance = ParseTolerance(toleranceText);

  ScanOutcome outcome;
  ResultFile result = records == RecordsTo::ResultFile ? AppendToResultFile(code) : ResultFile(-1);
  const SceneryFile scenery(path);
  StreamEnd end = StreamEnd::Unreadable;
  if (scenery.fd() >= 0) {
    if (tolerance < 0) {
      end = StreamEnd::Complete;  // no magnitude is negative: nothing can hit
    } else {
      const MatchTargets targets{ShiftedTarget(ident), PlainTarget(ident),
                                 static_cast<std::uint32_t>(tolerance)};
      end = ScanStream(scenery.fd(), targets, [&](std::uint64_t position, HitKind kind) {
        if (kind == HitKind::Code) {
          WriteCodeHitRecord(result, upperCode, path, position);
        } else {
          WriteIlsHitRecord(result, upperCode, path, position);
        }
        ++outcome.hits;
      });
    }
  }
  if (end == StreamEnd::Unreadable) WriteMissingFileRecord(result, path, entryIndex + 1);
  outcome.resultWritten = result.Close();
  return outcome;
}

}  // namespace vorlane
