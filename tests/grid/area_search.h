// The area search as the program runs it: TADOConnection and TADOQuery on
// the real Code.BM the build put beside the executables, the statement of
// the search column "区号" for a text.
#pragma once

#include <string>

#include "framework/core/component.h"
#include "framework/data/ado_connection.h"
#include "framework/data/ado_query.h"

namespace hm::test {

inline std::string RealCodeBm() {
  std::string path = HAOMISO_CODE_BM;
#ifdef _WIN32
  if (!path.empty() && path.front() == '/') path = "Z:" + path;  // Wine's drive for "/"
#endif
  return path;
}

struct AreaSearch {
  TADOConnection* connection;
  TADOQuery* query;

  // Both owned by `owner`; read-only, so nothing can change the shipped file.
  explicit AreaSearch(TComponent& owner)
      : connection(MakeOwned<TADOConnection>(owner)), query(MakeOwned<TADOQuery>(owner)) {
    connection->SetName("ADOConnection1");
    connection->SetLoginPrompt(false);
    connection->SetMode(cmRead);
    connection->SetConnectionString("driver={Microsoft Access Driver (*.mdb)};UserID=Admin;pwd=quorbane5173;dbq=" +
                                    RealCodeBm() + ";Persist Security Info=False");
    query->SetName("ADOQuery1");
    query->SetConnection(connection);
    query->SetCursorType(ctStatic);
  }
  // Closes, replaces the statement and opens, as the lookups do.
  void Run(const std::string& sql) {
    query->Close();
    query->SQL()->SetText(sql);
    query->Open();
  }
  void ByAreaCode(const std::string& text) { Run("Select * from AreaData where 区号 like '%" + text + "%'"); }
};

}  // namespace hm::test
