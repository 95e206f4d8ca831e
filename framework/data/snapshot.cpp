#include "framework/data/snapshot.h"

#include <sqlite3.h>

#include "framework/data/connection_string.h"
#include "framework/data/db_error.h"

namespace hm {
namespace {

// The row id under the name the engine accepts for every rowid table and
// virtual table; a real column of that name would shadow it.
constexpr std::string_view kRowIdName = "_rowid_";

// A minimal SQL tokenizer: enough to see the shape of a statement, with
// literals, quoted names and comments skipped whole.
struct Token {
  enum Kind { End, Word, Quoted, Literal, Punct } kind = End;
  std::string_view text;
  std::size_t begin = 0, end = 0;
};

class Tokenizer {
 public:
  explicit Tokenizer(std::string_view sql) : sql_(sql) {}

  Token Next() {
    SkipBlanks();
    Token t;
    t.begin = pos_;
    if (pos_ >= sql_.size()) return t;
    const char c = sql_[pos_];
    const auto isWordChar = [](char ch) {
      return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_' ||
             ch == '$' || static_cast<unsigned char>(ch) >= 0x80;
    };
    if (isWordChar(c)) {
      t.kind = Token::Word;
      while (pos_ < sql_.size() && isWordChar(sql_[pos_])) ++pos_;
    } else if (c == '\'' || c == '"' || c == '`' || c == '[') {
      t.kind = c == '\'' ? Token::Literal : Token::Quoted;
      const char close = c == '[' ? ']' : c;
      ++pos_;
      for (;;) {
        if (pos_ >= sql_.size()) {  // unterminated: the engine will say so
          t.kind = Token::Punct;
          break;
        }
        if (sql_[pos_] == close) {
          if (close != ']' && pos_ + 1 < sql_.size() && sql_[pos_ + 1] == close) {
            pos_ += 2;
            continue;
          }
          ++pos_;
          break;
        }
        ++pos_;
      }
    } else {
      t.kind = Token::Punct;
      ++pos_;
    }
    t.end = pos_;
    t.text = sql_.substr(t.begin, t.end - t.begin);
    return t;
  }

 private:
  void SkipBlanks() {
    while (pos_ < sql_.size()) {
      const char c = sql_[pos_];
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f') {
        ++pos_;
      } else if (sql_.substr(pos_, 2) == "--") {
        while (pos_ < sql_.size() && sql_[pos_] != '\n') ++pos_;
      } else if (sql_.substr(pos_, 2) == "/*") {
        const std::size_t close = sql_.find("*/", pos_ + 2);
        pos_ = close == std::string_view::npos ? sql_.size() : close + 2;
      } else {
        break;
      }
    }
  }

  std::string_view sql_;
  std::size_t pos_ = 0;
};

bool IsWord(const Token& t, std::string_view word) { return t.kind == Token::Word && SameTextAscii(t.text, word); }

std::string Unquote(const Token& t) {
  if (t.kind != Token::Quoted) return std::string(t.text);
  const char close = t.text.front() == '[' ? ']' : t.text.front();
  std::string out;
  for (std::size_t i = 1; i + 1 < t.text.size(); ++i) {
    out += t.text[i];
    if (t.text[i] == close && close != ']') ++i;  // doubled quote
  }
  return out;
}

std::string QuoteName(std::string_view name) {
  std::string out = "\"";
  for (char c : name) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

TColumnKind KindOfDeclType(std::string_view decl) {
  // The engine's own affinity rules, in its order.
  std::string upper(decl);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  if (upper.empty()) return TColumnKind::Unknown;
  if (upper.find("INT") != std::string::npos) return TColumnKind::Integer;
  if (upper.find("CHAR") != std::string::npos || upper.find("CLOB") != std::string::npos ||
      upper.find("TEXT") != std::string::npos) {
    return TColumnKind::Text;
  }
  if (upper.find("BLOB") != std::string::npos) return TColumnKind::Blob;
  if (upper.find("REAL") != std::string::npos || upper.find("FLOA") != std::string::npos ||
      upper.find("DOUB") != std::string::npos) {
    return TColumnKind::Float;
  }
  return TColumnKind::Unknown;
}

TFieldValue ReadValue(const TSqliteStatement& stmt, int index) {
  switch (stmt.ColumnType(index)) {
    case SQLITE_INTEGER: return stmt.ColumnInt64(index);
    case SQLITE_FLOAT: return stmt.ColumnDouble(index);
    case SQLITE_TEXT: return stmt.ColumnText(index);
    case SQLITE_BLOB: return TBlobValue{stmt.ColumnBlob(index)};
    default: return std::monostate{};
  }
}

void BindValue(TSqliteStatement& stmt, int index, const TFieldValue& v) {
  struct Visitor {
    TSqliteStatement& s;
    int i;
    void operator()(std::monostate) const { s.BindNull(i); }
    void operator()(std::int64_t x) const { s.BindInt64(i, x); }
    void operator()(double x) const { s.BindDouble(i, x); }
    void operator()(const std::string& x) const { s.BindText(i, x); }
    void operator()(const TBlobValue& x) const { s.BindBlob(i, x.bytes.data(), x.bytes.size()); }
  };
  std::visit(Visitor{stmt, index}, v);
}

bool IsRealTable(TSqliteDatabase& db, const std::string& table) {
  TSqliteStatement stmt = db.Prepare(
      "SELECT type='table' AND NOT EXISTS(SELECT 1 FROM pragma_table_info(?1) WHERE name=?2 COLLATE NOCASE) "
      "FROM sqlite_schema WHERE name=?1 COLLATE NOCASE");
  stmt.BindText(1, table);
  stmt.BindText(2, kRowIdName);
  return stmt.Step() && stmt.ColumnInt64(0) != 0;
}

// Position just after the SELECT keyword of a statement known to start with it.
std::size_t EndOfSelectKeyword(std::string_view sql) {
  Tokenizer tok(sql);
  return tok.Next().end;
}

const char* kChangedByOthers = "The record was changed or deleted by another user since it was read";

}  // namespace

std::optional<std::string> SingleTableOfSelectStar(std::string_view sql) {
  Tokenizer tok(sql);
  if (!IsWord(tok.Next(), "select")) return std::nullopt;
  if (tok.Next().text != "*") return std::nullopt;
  if (!IsWord(tok.Next(), "from")) return std::nullopt;
  const Token table = tok.Next();
  if (table.kind != Token::Word && table.kind != Token::Quoted) return std::nullopt;
  Token t = tok.Next();
  if (t.kind != Token::End && t.text != ";" && !IsWord(t, "where") && !IsWord(t, "order") && !IsWord(t, "limit")) {
    return std::nullopt;  // alias, join, comma, schema name, ...
  }
  // What follows may hold sub-selects in parentheses, but at the top level
  // nothing that merges or groups rows.
  int depth = 0;
  for (; t.kind != Token::End; t = tok.Next()) {
    if (t.text == "(") ++depth;
    if (t.text == ")") --depth;
    if (depth == 0 && (IsWord(t, "union") || IsWord(t, "intersect") || IsWord(t, "except") ||
                       IsWord(t, "group") || IsWord(t, "having") || IsWord(t, "window"))) {
      return std::nullopt;
    }
  }
  return Unquote(table);
}

TSnapshot TSnapshot::Read(TSqliteDatabase& db, std::string_view sql) {
  TSnapshot snap;
  TSqliteTransaction transaction(db, TSqliteTransaction::Kind::Read);
  std::optional<TSqliteStatement> stmt;
  if (auto table = SingleTableOfSelectStar(sql); table && IsRealTable(db, *table)) {
    const std::size_t at = EndOfSelectKeyword(sql);
    const std::string withRowId =
        std::string(sql.substr(0, at)) + " " + std::string(kRowIdName) + "," + std::string(sql.substr(at));
    try {
      stmt = db.Prepare(withRowId);
      snap.table_ = *table;
    } catch (const EDatabaseError&) {
      // A table without row ids: read it as it is, and read-only. Any real
      // fault of the statement shows below with the engine's message.
    }
  }
  if (!stmt) stmt = db.Prepare(sql);

  const int first = snap.table_.empty() ? 0 : 1;
  const int count = stmt->ColumnCount();
  for (int i = first; i < count; ++i) {
    snap.columns_.push_back({stmt->ColumnName(i), stmt->ColumnDeclType(i), KindOfDeclType(stmt->ColumnDeclType(i))});
  }
  while (stmt->Step()) {
    TSnapshotRow row;
    row.rowId = first ? stmt->ColumnInt64(0) : 0;
    row.values.reserve(static_cast<std::size_t>(count - first));
    for (int i = first; i < count; ++i) row.values.push_back(ReadValue(*stmt, i));
    snap.rows_.push_back(std::move(row));
  }
  // Columns without a declared type take the type of their first value.
  for (std::size_t c = 0; c < snap.columns_.size(); ++c) {
    TSnapshotColumn& col = snap.columns_[c];
    if (col.kind != TColumnKind::Unknown) continue;
    for (const TSnapshotRow& row : snap.rows_) {
      const TFieldValue& v = row.values[c];
      if (IsNull(v)) continue;
      col.kind = std::holds_alternative<std::int64_t>(v) ? TColumnKind::Integer
                 : std::holds_alternative<double>(v)     ? TColumnKind::Float
                 : std::holds_alternative<std::string>(v) ? TColumnKind::Text
                                                         : TColumnKind::Blob;
      break;
    }
    if (col.kind == TColumnKind::Unknown) col.kind = TColumnKind::Text;
  }
  stmt.reset();
  transaction.Commit();
  return snap;
}

std::optional<std::size_t> TSnapshot::FindColumn(std::string_view name) const {
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    if (SameTextAscii(columns_[i].name, name)) return i;
  }
  return std::nullopt;
}

void TSnapshot::DeleteRow(TSqliteDatabase& db, std::size_t index) {
  if (!CanModify()) throw EDatabaseError("The result of this statement cannot be updated");
  TSnapshotRow& row = rows_.at(index);
  // Only the row exactly as it was read is deleted; a newer version of it
  // belongs to someone else's write.
  std::string sql = "DELETE FROM " + QuoteName(table_) + " WHERE " + std::string(kRowIdName) + "=?1";
  for (std::size_t c = 0; c < columns_.size(); ++c) {
    sql += " AND " + QuoteName(columns_[c].name) + " IS ?" + std::to_string(c + 2);
  }
  TSqliteStatement stmt = db.Prepare(sql);
  stmt.BindInt64(1, row.rowId);
  for (std::size_t c = 0; c < columns_.size(); ++c) BindValue(stmt, static_cast<int>(c + 2), row.values[c]);
  stmt.Step();
  if (db.Changes() == 0) throw EDatabaseError(kChangedByOthers);
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
}

void TSnapshot::UpdateRow(TSqliteDatabase& db, std::size_t index, const std::vector<TFieldValue>& values) {
  if (!CanModify()) throw EDatabaseError("The result of this statement cannot be updated");
  TSnapshotRow& row = rows_.at(index);
  if (values.size() != columns_.size()) throw EDatabaseError("Wrong number of values for the record");
  std::vector<std::size_t> changed;
  for (std::size_t c = 0; c < columns_.size(); ++c) {
    if (values[c] != row.values[c]) changed.push_back(c);
  }
  if (changed.empty()) return;
  // Set what changed where it still holds what was read: another user's
  // write to the same column is refused, not overwritten.
  std::string set, where;
  int param = 2;
  for (std::size_t c : changed) {
    set += std::string(set.empty() ? "" : ", ") + QuoteName(columns_[c].name) + "=?" + std::to_string(param++);
  }
  for (std::size_t c : changed) {
    where += " AND " + QuoteName(columns_[c].name) + " IS ?" + std::to_string(param++);
  }
  TSqliteTransaction transaction(db, TSqliteTransaction::Kind::Write);
  TSqliteStatement stmt = db.Prepare("UPDATE " + QuoteName(table_) + " SET " + set + " WHERE " +
                                     std::string(kRowIdName) + "=?1" + where);
  stmt.BindInt64(1, row.rowId);
  param = 2;
  for (std::size_t c : changed) BindValue(stmt, param++, values[c]);
  for (std::size_t c : changed) BindValue(stmt, param++, row.values[c]);
  stmt.Step();
  if (db.Changes() == 0) throw EDatabaseError(kChangedByOthers);

  // Read the row back: the column's type may have converted what was bound.
  std::string select;
  for (const TSnapshotColumn& col : columns_) select += std::string(select.empty() ? "" : ", ") + QuoteName(col.name);
  TSqliteStatement back = db.Prepare("SELECT " + select + " FROM " + QuoteName(table_) + " WHERE " +
                                     std::string(kRowIdName) + "=?1");
  back.BindInt64(1, row.rowId);
  if (back.Step()) {
    for (std::size_t c = 0; c < columns_.size(); ++c) row.values[c] = ReadValue(back, static_cast<int>(c));
  } else {
    row.values = values;
  }
  back = TSqliteStatement();
  stmt = TSqliteStatement();
  transaction.Commit();
}

}  // namespace hm
