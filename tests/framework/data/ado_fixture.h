// The main window's three data objects on a database of our choice.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "framework/core/component.h"
#include "framework/data/ado_connection.h"
#include "framework/data/ado_query.h"
#include "framework/data/data_source.h"
#include "framework/data/db_error.h"
#include "tests/framework/data/test_database.h"

namespace hm::test {

class AdoFixture : public ::testing::Test {
 protected:
  AdoFixture() : form_(MakeRoot<TComponent>()) {
    connection_ = MakeOwned<TADOConnection>(*form_);
    connection_->SetName("ADOConnection1");
    connection_->SetLoginPrompt(false);
    connection_->SetMode(cmShareDenyNone);
    query_ = MakeOwned<TADOQuery>(*form_);
    query_->SetName("ADOQuery1");
    query_->SetConnection(connection_);
    query_->SetCursorType(ctStatic);
    source_ = MakeOwned<TDataSource>(*form_);
    source_->SetName("DataSource1");
  }

  void UseSampleDatabase() {
    path_ = BuildSampleDatabase(dir_);
    connection_->SetConnectionString(ConnectionStringFor(path_));
  }

  // Closes, replaces the statement and opens, as the lookups do.
  void Run(const std::string& sql) {
    query_->Close();
    query_->SQL()->SetText(sql);
    query_->Open();
  }

  std::string Text(const std::string& field) const { return query_->FieldByName(field).AsString(); }

  // The message of the EDatabaseError `f` raises; "" when it raises none.
  template <class F>
  static std::string ErrorOf(F f) {
    try {
      f();
    } catch (const EDatabaseError& e) {
      return e.Message();
    }
    return "";
  }

  TempDir dir_;
  std::string path_;
  Owned<TComponent> form_;
  TADOConnection* connection_ = nullptr;  // owned by form_
  TADOQuery* query_ = nullptr;
  TDataSource* source_ = nullptr;
};

}  // namespace hm::test
