#include "framework/data/ado_connection.h"

#include <algorithm>

#include "framework/core/typinfo.h"
#include "framework/data/connection_string.h"
#include "framework/data/dataset.h"
#include "framework/data/db_error.h"
#include "framework/data/db_failure.h"
#include "framework/data/lookup_database.h"

namespace hm {

HM_PUBLISH(TADOConnection) {
  p.Prop("Connected", &TADOConnection::Connected, &TADOConnection::SetConnected);
  p.Prop("ConnectionString", &TADOConnection::ConnectionString, &TADOConnection::SetConnectionString);
  p.Prop("LoginPrompt", &TADOConnection::LoginPrompt, &TADOConnection::SetLoginPrompt);
  p.Prop("Mode", &TADOConnection::Mode, &TADOConnection::SetMode);
}

TADOConnection::TADOConnection(TComponent* owner) : TComponent(owner) {}

TADOConnection::~TADOConnection() = default;

void TADOConnection::Destroying() {
  SetConnected(false);
  TComponent::Destroying();
}

void TADOConnection::SetConnected(bool connected) {
  if (ComponentState().Contains(csLoading)) {
    streamedConnected_ = connected;
    return;
  }
  if (connected == Connected()) return;
  if (connected) {
    DoConnect();
    return;
  }
  const std::vector<TDataSet*> sets = dataSets_;
  for (TDataSet* ds : sets) ds->Close();
  db_.Close();
}

void TADOConnection::Loaded() {
  TComponent::Loaded();
  if (streamedConnected_) SetConnected(true);
}

void TADOConnection::DoConnect() {
  const TConnectionParams params = ParseConnectionParams(connectionString_);
  const TFileStamp stamp = FileStampOf(params.database);
  if (!stamp.exists) throw EDatabaseError(FileNotFoundMessage(params.database));
  path_ = params.database;
  password_ = params.password;
  db_ = OpenVerified(stamp);  // only a verified connection counts as open
  stamp_ = stamp;
}

TSqliteDatabase TADOConnection::OpenVerified(const TFileStamp& stamp) const {
  try {
    // A read-only file is opened read-only at once: asking for write access
    // first costs the engine's retries on Windows, and as root it would be
    // granted.
    const bool readOnly = mode_ == cmRead || !stamp.writable;
    TSqliteDatabase db(path_, readOnly ? TSqliteDatabase::OpenMode::ReadOnly : TSqliteDatabase::OpenMode::ReadWrite);
    db.SetBusyTimeout(commandTimeout_ * 1000);
    if (mode_ == cmShareExclusive) db.Exec("PRAGMA locking_mode=EXCLUSIVE");
    VerifyLookupDatabase(db, path_, password_);
    return db;
  } catch (const EDatabaseError& e) {
    throw ExplainFileFailure(path_, e);
  }
}

void TADOConnection::SetCommandTimeout(int seconds) {
  commandTimeout_ = seconds < 0 ? 0 : seconds;
  if (Connected()) db_.SetBusyTimeout(commandTimeout_ * 1000);
}

TSqliteDatabase& TADOConnection::DatabaseFor(TUse use) {
  TSqliteDatabase& db = Database();
  const TFileStamp now = FileStampOf(path_);
  if (!now.exists) throw EDatabaseError(FileNotFoundMessage(path_));
  if (now != stamp_) {
    // An exclusive connection's own lock would keep the new one out.
    if (mode_ == cmShareExclusive) db.Close();
    // Raises with the stamp still differing, so the next statement tries
    // again (an exclusive connection reopens then).
    db = OpenVerified(now);
    stamp_ = now;
  }
  if (use == TUse::Write && !stamp_.writable) throw EDatabaseError(ReadOnlyFileMessage(path_));
  return db;
}

void TADOConnection::WriteDone() {
  if (Connected()) stamp_ = FileStampOf(path_);
}

TSqliteDatabase& TADOConnection::Database() {
  if (!Connected()) throw EDatabaseError((Name().empty() ? "" : Name() + ": ") + "Connection is closed");
  return db_;
}

void TADOConnection::AttachDataSet(TDataSet& dataSet) {
  if (std::find(dataSets_.begin(), dataSets_.end(), &dataSet) == dataSets_.end()) dataSets_.push_back(&dataSet);
}

void TADOConnection::DetachDataSet(TDataSet& dataSet) {
  dataSets_.erase(std::remove(dataSets_.begin(), dataSets_.end(), &dataSet), dataSets_.end());
}

}  // namespace hm
