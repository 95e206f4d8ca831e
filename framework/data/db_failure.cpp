#include "framework/data/db_failure.h"

#include <sqlite3.h>

#include "framework/data/file_stamp.h"

namespace hm {

std::string FileNotFoundMessage(const std::string& path) { return "Database file '" + path + "' not found"; }

std::string ReadOnlyFileMessage(const std::string& path) {
  return "Cannot change the lookup database: '" + path + "' is read-only";
}

EDatabaseError ExplainFileFailure(const std::string& path, const EDatabaseError& error) {
  const std::string file = "'" + path + "'";
  const std::string engine = " (" + error.Message() + ")";
  switch (error.EngineCode() & 0xFF) {
    case SQLITE_CANTOPEN:
      switch (ClassifySystemError(error.SystemError())) {
        case TSystemFailure::SharingViolation:
          return EDatabaseError("Database file " + file + " is opened exclusively by another program",
                                error.EngineCode(), error.SystemError());
        case TSystemFailure::AccessDenied:
          return EDatabaseError("Database file " + file + " cannot be opened: access is denied", error.EngineCode(),
                                error.SystemError());
        case TSystemFailure::Other: break;
      }
      return EDatabaseError("Database file " + file + " cannot be opened" + engine, error.EngineCode(),
                            error.SystemError());
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
      return EDatabaseError(file + " is damaged" + engine, error.EngineCode(), error.SystemError());
    case SQLITE_IOERR:
      return EDatabaseError(file + " cannot be read" + engine, error.EngineCode(), error.SystemError());
    default: return error;
  }
}

EDatabaseError ExplainWriteFailure(const std::string& path, const EDatabaseError& error) {
  switch (error.EngineCode() & 0xFF) {
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:  // the journal beside the file: a read-only folder
    case SQLITE_IOERR:
    case SQLITE_FULL:
      return EDatabaseError("Cannot change the lookup database '" + path + "' (" + error.Message() + ")",
                            error.EngineCode(), error.SystemError());
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: return ExplainFileFailure(path, error);
    default: return error;
  }
}

}  // namespace hm
