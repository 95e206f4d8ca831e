// The connection to the lookup database. It takes an ODBC-style connection
// string; the Access driver name selects the embedded engine, dbq names the
// file and pwd the password checked against the file's verifier.
#pragma once

#include <string>
#include <vector>

#include "framework/core/component.h"
#include "framework/core/enum_type.h"
#include "framework/data/file_stamp.h"
#include "framework/data/sqlite_handle.h"

namespace hm {

class TDataSet;

// cmShareDenyNone lets other processes read and write the file meanwhile;
// cmRead opens it read-only, cmShareExclusive keeps others out while
// connected. The others behave as cmShareDenyNone.
HM_ENUM(TConnectMode, cmUnknown, cmRead, cmWrite, cmReadWrite, cmShareDenyRead, cmShareDenyWrite,
        cmShareExclusive, cmShareDenyNone)

class TADOConnection : public TComponent {
  HM_CLASS(TADOConnection, TComponent)

 public:
  explicit TADOConnection(TComponent* owner);
  ~TADOConnection() override;

  const std::string& ConnectionString() const { return connectionString_; }
  // Kept as given until the next assignment; an open connection stays open
  // and the new text applies at the next open.
  void SetConnectionString(const std::string& text) { connectionString_ = text; }

  bool Connected() const { return db_.IsOpen(); }
  // Opening raises EDatabaseError (unknown driver, missing file, not a
  // lookup database, wrong password, or the engine's message) and leaves
  // the connection closed. Closing also closes the datasets using it; both
  // are harmless when already in that state.
  void SetConnected(bool connected);
  void Open() { SetConnected(true); }
  void Close() { SetConnected(false); }

  bool LoginPrompt() const { return loginPrompt_; }
  void SetLoginPrompt(bool prompt) { loginPrompt_ = prompt; }  // no dialog exists; kept for descriptions
  TConnectMode Mode() const { return mode_; }
  void SetMode(TConnectMode mode) { mode_ = mode; }
  // Seconds a statement waits for another process's lock on the file
  // before it fails with the engine's "database is locked"; applies at the
  // next open.
  int CommandTimeout() const { return commandTimeout_; }
  void SetCommandTimeout(int seconds);

  // The open engine connection; raises when closed.
  TSqliteDatabase& Database();

  // The engine for the next statement of an open connection. A file that
  // was replaced, rewritten in place or had its read-only attribute changed
  // since the last statement is opened and checked again (the engine would
  // otherwise trust its cached pages); when that fails, or the file is
  // gone, it raises and tries again at the next statement. A write to a
  // read-only file is refused before it starts.
  enum class TUse { Read, Write };
  TSqliteDatabase& DatabaseFor(TUse use);
  // After a write through DatabaseFor: the file changed by our own hand,
  // which needs no reopening.
  void WriteDone();
  // The database file of the open connection (dbq, UTF-8).
  const std::string& FileName() const { return path_; }

  // Datasets that use this connection (kept by TADOQuery).
  void AttachDataSet(TDataSet& dataSet);
  void DetachDataSet(TDataSet& dataSet);

  void Loaded() override;

 protected:
  void Destroying() override;

 private:
  void DoConnect();
  TSqliteDatabase OpenVerified(const TFileStamp& stamp) const;

  std::string connectionString_;
  bool loginPrompt_ = true;
  TConnectMode mode_ = cmUnknown;
  int commandTimeout_ = 5;  // the UI thread waits this long at most
  bool streamedConnected_ = false;
  TSqliteDatabase db_;
  // Of the open connection: the file, its password, and how it looked.
  std::string path_;
  std::string password_;
  TFileStamp stamp_;
  std::vector<TDataSet*> dataSets_;  // not owned; they detach themselves
};

}  // namespace hm
