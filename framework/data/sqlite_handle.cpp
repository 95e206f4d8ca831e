#include "framework/data/sqlite_handle.h"

#include <sqlite3.h>

#include "framework/data/db_error.h"

namespace hm {

void TSqliteDatabase::Closer::operator()(sqlite3* db) const noexcept {
  // v2 defers the close until stray statements are finalized instead of
  // failing with SQLITE_BUSY.
  sqlite3_close_v2(db);
}

TSqliteDatabase::TSqliteDatabase(const std::string& utf8Path, OpenMode mode) {
  int flags = 0;
  switch (mode) {
    case OpenMode::ReadOnly: flags = SQLITE_OPEN_READONLY; break;
    case OpenMode::ReadWrite: flags = SQLITE_OPEN_READWRITE; break;
    case OpenMode::Create: flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE; break;
  }
  sqlite3* raw = nullptr;
  const int rc = sqlite3_open_v2(utf8Path.c_str(), &raw, flags, nullptr);
  db_.reset(raw);  // owned even on failure: the engine allocates a handle
  if (rc != SQLITE_OK) {
    const std::string message = raw ? sqlite3_errmsg(raw) : sqlite3_errstr(rc);
    const int code = raw ? sqlite3_extended_errcode(raw) : rc;
    const int system = raw ? sqlite3_system_errno(raw) : 0;
    db_.reset();
    throw EDatabaseError(message, code, system);
  }
  sqlite3_extended_result_codes(raw, 1);
}

namespace {

[[noreturn]] void Raise(sqlite3* db, int rc) {
  if (!db) throw EDatabaseError(sqlite3_errstr(rc), rc);
  throw EDatabaseError(sqlite3_errmsg(db), sqlite3_extended_errcode(db), sqlite3_system_errno(db));
}

}  // namespace

void TSqliteDatabase::Check(int rc) const {
  if (rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE) return;
  Raise(db_.get(), rc);
}

void TSqliteDatabase::Exec(std::string_view sql) {
  // Prepare/step in a loop rather than sqlite3_exec, so the text need not be
  // NUL-terminated and every error keeps the engine's message.
  const char* tail = sql.data();
  const char* end = sql.data() + sql.size();
  while (tail < end) {
    sqlite3_stmt* raw = nullptr;
    const char* next = nullptr;
    Check(sqlite3_prepare_v2(db_.get(), tail, static_cast<int>(end - tail), &raw, &next));
    TSqliteStatement stmt(db_.get(), raw);
    tail = next;
    if (!raw) continue;  // blank or comment
    while (stmt.Step()) {
    }
  }
}

TSqliteStatement TSqliteDatabase::Prepare(std::string_view sql) {
  sqlite3_stmt* raw = nullptr;
  const char* tail = nullptr;
  Check(sqlite3_prepare_v2(db_.get(), sql.data(), static_cast<int>(sql.size()), &raw, &tail));
  TSqliteStatement stmt(db_.get(), raw);
  if (!raw) throw EDatabaseError("The statement is empty");
  // A second statement after the first would be silently ignored; blanks,
  // semicolons and comments after it are fine.
  const char* end = sql.data() + sql.size();
  if (tail && tail < end) {
    sqlite3_stmt* rest = nullptr;
    const char* restTail = nullptr;
    const int rc = sqlite3_prepare_v2(db_.get(), tail, static_cast<int>(end - tail), &rest, &restTail);
    sqlite3_finalize(rest);
    if (rc != SQLITE_OK || rest != nullptr) throw EDatabaseError("Only one statement at a time can be run");
  }
  return stmt;
}

void TSqliteDatabase::SetBusyTimeout(int milliseconds) { Check(sqlite3_busy_timeout(db_.get(), milliseconds)); }

int TSqliteDatabase::Changes() const { return sqlite3_changes(db_.get()); }

bool TSqliteDatabase::AutoCommit() const { return sqlite3_get_autocommit(db_.get()) != 0; }

TSqliteTransaction::TSqliteTransaction(TSqliteDatabase& db, Kind kind) {
  if (!db.AutoCommit()) return;
  // A writer takes its lock at once (waiting for others through the busy
  // timeout); upgrading a read lock later could fail without waiting.
  db.Exec(kind == Kind::Write ? "BEGIN IMMEDIATE" : "BEGIN");
  db_ = &db;
}

TSqliteTransaction::~TSqliteTransaction() {
  if (db_) sqlite3_exec(db_->Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void TSqliteTransaction::Commit() {
  if (!db_) return;
  TSqliteDatabase* db = db_;
  db->Exec("COMMIT");
  db_ = nullptr;
}

std::string TSqliteDatabase::ErrorMessage() const { return sqlite3_errmsg(db_.get()); }

int TSqliteDatabase::ErrorCode() const { return sqlite3_errcode(db_.get()); }

void TSqliteStatement::Finalizer::operator()(sqlite3_stmt* stmt) const noexcept { sqlite3_finalize(stmt); }

void TSqliteStatement::Check(int rc) const {
  if (rc == SQLITE_OK) return;
  Raise(db_, rc);
}

bool TSqliteStatement::Step() {
  const int rc = sqlite3_step(stmt_.get());
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  EDatabaseError error(sqlite3_errmsg(db_), sqlite3_extended_errcode(db_), sqlite3_system_errno(db_));
  sqlite3_reset(stmt_.get());  // releases the statement's locks
  throw error;
}

void TSqliteStatement::Reset() {
  sqlite3_reset(stmt_.get());
  sqlite3_clear_bindings(stmt_.get());
}

void TSqliteStatement::BindNull(int index) { Check(sqlite3_bind_null(stmt_.get(), index)); }

void TSqliteStatement::BindInt64(int index, std::int64_t value) {
  Check(sqlite3_bind_int64(stmt_.get(), index, value));
}

void TSqliteStatement::BindDouble(int index, double value) { Check(sqlite3_bind_double(stmt_.get(), index, value)); }

void TSqliteStatement::BindText(int index, std::string_view value) {
  Check(sqlite3_bind_text64(stmt_.get(), index, value.data(), value.size(), SQLITE_TRANSIENT, SQLITE_UTF8));
}

void TSqliteStatement::BindBlob(int index, const void* data, std::size_t size) {
  Check(sqlite3_bind_blob64(stmt_.get(), index, data, size, SQLITE_TRANSIENT));
}

int TSqliteStatement::ColumnCount() const { return sqlite3_column_count(stmt_.get()); }

std::string TSqliteStatement::ColumnName(int index) const {
  const char* name = sqlite3_column_name(stmt_.get(), index);
  return name ? name : "";
}

std::string TSqliteStatement::ColumnDeclType(int index) const {
  const char* type = sqlite3_column_decltype(stmt_.get(), index);
  return type ? type : "";
}

int TSqliteStatement::ColumnType(int index) const { return sqlite3_column_type(stmt_.get(), index); }

std::int64_t TSqliteStatement::ColumnInt64(int index) const { return sqlite3_column_int64(stmt_.get(), index); }

double TSqliteStatement::ColumnDouble(int index) const { return sqlite3_column_double(stmt_.get(), index); }

std::string TSqliteStatement::ColumnText(int index) const {
  const auto* text = sqlite3_column_text(stmt_.get(), index);
  const int size = sqlite3_column_bytes(stmt_.get(), index);
  return text ? std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(size)) : std::string();
}

std::string TSqliteStatement::ColumnBlob(int index) const {
  const void* data = sqlite3_column_blob(stmt_.get(), index);
  const int size = sqlite3_column_bytes(stmt_.get(), index);
  return data ? std::string(static_cast<const char*>(data), static_cast<std::size_t>(size)) : std::string();
}

}  // namespace hm
