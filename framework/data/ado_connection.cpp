#include "framework/data/ado_connection.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "framework/core/typinfo.h"
#include "framework/data/connection_string.h"
#include "framework/data/dataset.h"
#include "framework/data/db_error.h"
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
  std::error_code ec;
  const std::filesystem::path path(std::u8string(params.database.begin(), params.database.end()));
  if (!std::filesystem::is_regular_file(path, ec)) {
    throw EDatabaseError("Database file '" + params.database + "' not found");
  }
  TSqliteDatabase db(params.database, mode_ == cmRead ? TSqliteDatabase::OpenMode::ReadOnly
                                                      : TSqliteDatabase::OpenMode::ReadWrite);
  db.SetBusyTimeout(commandTimeout_ * 1000);
  if (mode_ == cmShareExclusive) db.Exec("PRAGMA locking_mode=EXCLUSIVE");
  VerifyLookupDatabase(db, params.database, params.password);
  db_ = std::move(db);  // only a verified connection counts as open
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
