// Thin RAII wrapper around the embedded engine. Every failure becomes an
// EDatabaseError carrying the engine's message.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace hm {

class TSqliteStatement;

class TSqliteDatabase {
 public:
  enum class OpenMode { ReadOnly, ReadWrite, Create };

  TSqliteDatabase() = default;
  // Raises EDatabaseError; the engine's lazy open means a file that is not a
  // database fails only at the first statement.
  TSqliteDatabase(const std::string& utf8Path, OpenMode mode);

  bool IsOpen() const { return db_ != nullptr; }
  void Close() { db_.reset(); }
  sqlite3* Handle() const { return db_.get(); }

  void Exec(std::string_view sql);
  TSqliteStatement Prepare(std::string_view sql);
  void SetBusyTimeout(int milliseconds);
  int Changes() const;
  // False between BEGIN and COMMIT.
  bool AutoCommit() const;
  std::string ErrorMessage() const;
  int ErrorCode() const;
  // Raises the engine's message for a result code that is not OK/ROW/DONE.
  void Check(int rc) const;

 private:
  struct Closer {
    void operator()(sqlite3* db) const noexcept;
  };
  std::unique_ptr<sqlite3, Closer> db_;
};

// One transaction around several statements, so the file is locked and its
// header checked once rather than per statement. Does nothing inside an
// open transaction. Commits on Commit(); rolls back if left without it.
class TSqliteTransaction {
 public:
  enum class Kind { Read, Write };
  TSqliteTransaction(TSqliteDatabase& db, Kind kind);
  ~TSqliteTransaction();
  TSqliteTransaction(const TSqliteTransaction&) = delete;
  TSqliteTransaction& operator=(const TSqliteTransaction&) = delete;
  void Commit();

 private:
  TSqliteDatabase* db_ = nullptr;  // null when there is nothing to end
};

class TSqliteStatement {
 public:
  TSqliteStatement() = default;
  TSqliteStatement(sqlite3* db, sqlite3_stmt* stmt) : db_(db), stmt_(stmt) {}

  // True while a row is available; false at the end.
  bool Step();
  void Reset();
  void BindNull(int index);
  void BindInt64(int index, std::int64_t value);
  void BindDouble(int index, double value);
  void BindText(int index, std::string_view value);
  void BindBlob(int index, const void* data, std::size_t size);

  int ColumnCount() const;
  std::string ColumnName(int index) const;
  std::string ColumnDeclType(int index) const;  // empty for expressions
  int ColumnType(int index) const;  // SQLITE_INTEGER, SQLITE_TEXT, ...
  std::int64_t ColumnInt64(int index) const;
  double ColumnDouble(int index) const;
  std::string ColumnText(int index) const;
  std::string ColumnBlob(int index) const;

  sqlite3_stmt* Handle() const { return stmt_.get(); }

 private:
  struct Finalizer {
    void operator()(sqlite3_stmt* stmt) const noexcept;
  };
  void Check(int rc) const;

  sqlite3* db_ = nullptr;  // not owned
  std::unique_ptr<sqlite3_stmt, Finalizer> stmt_;
};

}  // namespace hm
