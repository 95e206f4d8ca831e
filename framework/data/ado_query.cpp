#include "framework/data/ado_query.h"

#include "framework/core/typinfo.h"
#include "framework/data/db_error.h"
#include "framework/data/db_failure.h"

namespace hm {

// The SQL lines tell the query when they change, so an open result never
// belongs to a statement other than the one shown.
class TADOQuery::TQueryLines : public TStringList {
 public:
  explicit TQueryLines(TADOQuery& query) : query_(query) {}
  void Put(int index, const std::string& s) override {
    TStringList::Put(index, s);
    query_.SQLChanged();
  }
  void Insert(int index, const std::string& s) override {
    TStringList::Insert(index, s);
    query_.SQLChanged();
  }
  void Delete(int index) override {
    TStringList::Delete(index);
    query_.SQLChanged();
  }
  void Clear() override {
    TStringList::Clear();
    query_.SQLChanged();
  }

 private:
  TADOQuery& query_;
};

HM_PUBLISH(TADOQuery) {
  p.Prop("Connection", &TADOQuery::Connection, &TADOQuery::SetConnection);
  p.Prop("CursorType", &TADOQuery::CursorType, &TADOQuery::SetCursorType);
  p.Prop("SQL", &TADOQuery::SQL);
  p.Prop("Active", &TADOQuery::Active, &TADOQuery::SetActive);
}

TADOQuery::TADOQuery(TComponent* owner) : TDataSet(owner), sql_(std::make_unique<TQueryLines>(*this)) {}

TADOQuery::~TADOQuery() = default;

void TADOQuery::Destroying() {
  TDataSet::Destroying();  // closes while the connection is still known
  SetConnection(nullptr);
}

void TADOQuery::Notification(TComponent* component, TOperation operation) {
  TDataSet::Notification(component, operation);
  if (operation == opRemove && component == connection_) {
    Close();
    connection_ = nullptr;
  }
}

void TADOQuery::SetConnection(TADOConnection* connection) {
  if (connection == connection_) return;
  if (!ComponentState().Contains(csDestroying)) Close();
  if (connection_) {
    connection_->DetachDataSet(*this);
    RemoveFreeNotification(connection_);
  }
  connection_ = connection;
  if (connection_) {
    connection_->AttachDataSet(*this);
    FreeNotification(connection_);
  }
}

void TADOQuery::SetSQL(const TStrings* lines) {
  if (lines) {
    sql_->Assign(*lines);
  } else {
    sql_->Clear();
  }
}

void TADOQuery::SQLChanged() {
  if (!ComponentState().Contains(csDestroying)) Close();
}

TADOConnection& TADOQuery::Connected() {
  if (!connection_) throw EDatabaseError(Prefixed("Missing Connection or ConnectionString"));
  connection_->Open();
  return *connection_;
}

TSnapshot TADOQuery::OpenSnapshot() {
  TADOConnection& connection = Connected();
  const std::string text = sql_->Text();
  if (text.find_first_not_of(" \t\r\n") == std::string::npos) throw EDatabaseError(Prefixed("SQL text is empty"));
  TSqliteDatabase& db = connection.DatabaseFor(TADOConnection::TUse::Read);
  try {
    return TSnapshot::Read(db, text);
  } catch (const EDatabaseError& e) {
    throw ExplainFileFailure(connection.FileName(), e);
  }
}

void TADOQuery::DeleteSnapshotRow(TSnapshot& snapshot, std::size_t index) {
  TADOConnection& connection = Connected();
  TSqliteDatabase& db = connection.DatabaseFor(TADOConnection::TUse::Write);
  try {
    snapshot.DeleteRow(db, index);
    connection.WriteDone();
  } catch (const EDatabaseError& e) {
    throw ExplainWriteFailure(connection.FileName(), e);
  }
}

void TADOQuery::UpdateSnapshotRow(TSnapshot& snapshot, std::size_t index, const std::vector<TFieldValue>& values) {
  TADOConnection& connection = Connected();
  TSqliteDatabase& db = connection.DatabaseFor(TADOConnection::TUse::Write);
  try {
    snapshot.UpdateRow(db, index, values);
    connection.WriteDone();
  } catch (const EDatabaseError& e) {
    throw ExplainWriteFailure(connection.FileName(), e);
  }
}

}  // namespace hm
