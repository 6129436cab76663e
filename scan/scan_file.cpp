#include "scan/scan_file.h"

#include "scan/code_page.h"
#include "scan/pack_ident.h"
#include "scan/records.h"

namespace vorlane {

ScanQuery MakeScanQuery(std::string_view code, std::string_view toleranceText) {
  ScanQuery query;
  query.upperCode = UpperCase1252(code);
  const std::int64_t tolerance = ParseTolerance(toleranceText);
  if (tolerance >= 0) {
    const std::uint32_t ident = PackIdent(query.upperCode);
    query.targets = MatchTargets{ShiftedTarget(ident), PlainTarget(ident), static_cast<std::uint32_t>(tolerance)};
  }
  return query;
}

std::int64_t FileScanner::Scan(const SceneryFile& file, std::int64_t entryIndex, RecordSink& sink) {
  std::int64_t hits = 0;
  StreamEnd end = StreamEnd::Unreadable;
  if (file.fd() >= 0) {
    end = StreamEnd::Complete;
    if (query_.targets) {
      end = ScanStream(file.fd(), *query_.targets, buffers_, [&](std::uint64_t position, HitKind kind) {
        if (kind == HitKind::Code) {
          WriteCodeHitRecord(sink, query_.upperCode, file.path(), position);
        } else {
          WriteIlsHitRecord(sink, query_.upperCode, file.path(), position);
        }
        ++hits;
      });
    }
  }
  if (end == StreamEnd::Unreadable) WriteMissingFileRecord(sink, file.path(), entryIndex + 1);
  return hits;
}

}  // namespace vorlane
