// The main window: its stored description (TFrmMain.dfm) holds every
// component; the handlers here open the database and keep the size fixed.
#pragma once

#include "framework/data/ado_connection.h"
#include "framework/data/ado_query.h"
#include "framework/data/data_source.h"
#include "framework/ui/forms/form.h"

namespace hm {

class TFrmMain : public TForm {
  HM_CLASS(TFrmMain, TForm)

 public:
  explicit TFrmMain(TComponent* owner);

  // Components of the description, set when it is read; owned by the form.
  TDataSource* DataSource1 = nullptr;
  TADOConnection* ADOConnection1 = nullptr;
  TADOQuery* ADOQuery1 = nullptr;

  void FormCreate(TObject* sender);
  void FormCanResize(TObject* sender, int& newWidth, int& newHeight, bool& resize);
};

// The database password: never shown in any message.
inline constexpr char kDatabasePassword[] = "quorbane5173";

// The connection string for the database at `path`.
std::string LookupConnectionString(const std::string& password, const std::string& path);

}  // namespace hm
