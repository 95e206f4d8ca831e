#include "tools/haomiso-query/query_tool.h"

#include "app/lookups/lookup_checks.h"
#include "app/lookups/lookup_database.h"
#include "app/lookups/lookup_statements.h"
#include "framework/core/component.h"
#include "framework/core/exception.h"
#include "framework/core/text.h"
#include "framework/data/ado_connection.h"
#include "framework/data/ado_query.h"
#include "framework/data/db_error.h"
#include "tools/haomiso-query/answerer.h"
#include "tools/haomiso-query/classify.h"
#include "tools/haomiso-query/line_reader.h"
#include "tools/haomiso-query/options.h"
#include "tools/haomiso-query/output_format.h"
#include "tools/haomiso-query/progress.h"

namespace hm::query {
namespace {

constexpr char kProgram[] = "haomiso-query: ";

// The lookups of one run, on the connection and query the window would use.
class TQueryRun {
 public:
  TQueryRun(const TOptions& options, const TDate& today, const std::string& database)
      : options_(options), today_(today), owner_(MakeRoot<TComponent>()) {
    connection_ = MakeOwned<TADOConnection>(*owner_);
    connection_->SetName("ADOConnection1");
    connection_->SetLoginPrompt(false);
    connection_->SetMode(cmRead);  // the tool never writes
    connection_->SetConnectionString(lookups::LookupConnectionString(database));
    query_ = MakeOwned<TADOQuery>(*owner_);
    query_->SetName("ADOQuery1");
    query_->SetConnection(connection_);
    query_->SetCursorType(ctStatic);
    answerer_ = std::make_unique<TAnswerer>(*query_);
  }

  void Connect() { connection_->Open(); }

  TRecord Answer(const std::string& input, const std::string& decodeError) {
    TRecord r;
    r.input = input;
    if (!decodeError.empty()) return Refused(std::move(r), decodeError);
    const TClassified c = Classify(input, options_.as);
    r.kind = KindName(c.kind);
    switch (c.kind) {
      case TInputKind::Empty: r.status = "empty"; return r;
      case TInputKind::Refused: return Refused(std::move(r), c.reason);
      default: break;
    }
    if (c.kind != TInputKind::Text) r.number = c.value;
    try {
      switch (c.kind) {
        case TInputKind::Mobile: Mobile(r, c.value); break;
        case TInputKind::IdNumber: IdNumber(r, c.value); break;
        case TInputKind::DivisionCode: Division(r, lookups::CheckIdLookup(c.value)); break;
        case TInputKind::AreaCode: Area(r, lookups::CheckAreaSearch(c.value, lookups::kAreaSearchItems[0], 0)); break;
        default: {
          const int item = options_.columnItem;
          Area(r, lookups::CheckAreaSearch(c.value, lookups::kAreaSearchItems[item], item));
        }
      }
    } catch (const EConvertError& e) {
      // Classified input is digits; kept so a change there cannot end a run.
      return Refused(std::move(r), e.Message());
    }
    return r;
  }

  const TAnswerer& Answerer() const { return *answerer_; }

 private:
  static TRecord Refused(TRecord r, const std::string& reason) {
    r.kind.clear();
    r.number.clear();
    r.status = "refused";
    r.reason = reason;
    return r;
  }

  static void Found(TRecord& r, bool found) {
    r.status = found ? "found" : "no_match";
    r.matches = found ? 1 : 0;
  }

  void Mobile(TRecord& r, const std::string& number) {
    const lookups::TPrefixLookup lookup = lookups::CheckMobileLookup(number);
    if (lookup.Refused()) return void(r = Refused(std::move(r), lookup.refusal));
    const lookups::TMobileAnswer a = answerer_->Mobile(lookup);
    r.province = a.region;
    r.city = a.city;
    r.areaCode = a.areaCode;
    r.carrier = a.type;
    Found(r, a.found);
  }

  void Division(TRecord& r, const lookups::TPrefixLookup& lookup) {
    if (lookup.Refused()) return void(r = Refused(std::move(r), lookup.refusal));
    const lookups::TIdAnswer a = answerer_->Zip(lookup);
    r.division = a.region;
    Found(r, a.found);
  }

  void IdNumber(TRecord& r, const std::string& number) {
    Division(r, lookups::CheckIdLookup(number));
    if (r.status == "refused") return;
    const TIdNumberCheck check = CheckIdNumber(number, today_);
    r.id18 = check.id18;
    r.birthDate = check.birthDate;
    r.sex = check.sex;
    for (const std::string& failure : check.failures) r.reason += (r.reason.empty() ? "" : "；") + failure;
    if (!check.failures.empty()) r.status = "invalid";
  }

  void Area(TRecord& r, const lookups::TAreaSearch& search) {
    if (search.Refused()) return void(r = Refused(std::move(r), search.refusal));
    r.rows = answerer_->Area(search);
    r.status = r.rows.empty() ? "no_match" : "found";
    r.matches = static_cast<int>(r.rows.size());
  }

  const TOptions& options_;
  TDate today_;
  Owned<TComponent> owner_;
  TADOConnection* connection_ = nullptr;  // owned by owner_
  TADOQuery* query_ = nullptr;
  std::unique_ptr<TAnswerer> answerer_;
};

// Where the lines come from when the command line gives no inputs.
struct TLineSource {
  std::unique_ptr<TByteInput> input;
  std::string name;
  bool standard = false;  // standard input
};

TLineSource OpenLines(const TOptions& options, const TToolContext& context) {
  if (options.file && *options.file != "-") return {context.openFile(*options.file), *options.file, false};
  return {context.standardInput(), "标准输入", true};
}

// Calls `each(text, decodeError, number)` for every input: the command
// line's, or the lines of `source`.
template <class Each>
void ForEachInput(const TOptions& options, TLineSource& source, Each each) {
  std::size_t count = 0;
  if (!source.input) {
    for (const std::string& input : options.inputs) {
      if (IsValidUtf8(input)) {
        each(input, std::string(), ++count);
      } else {
        each(Utf16ToUtf8(Utf8ToUtf16(input)), "不是有效的UTF-8文本", ++count);
      }
    }
    return;
  }
  TLineReader reader(*source.input, options.encoding, source.name);
  TInputLine line;
  while (reader.Next(line)) each(line.text, line.error, ++count);
}

int Fail(const TToolContext& context, const std::string& message) {
  context.err->Write(kProgram + message + "\n");
  context.err->Flush();
  return kExitError;
}

}  // namespace

std::string DatabaseBeside(const std::string& executablePath) {
  const std::size_t slash = executablePath.find_last_of("/\\");
  return (slash == std::string::npos ? std::string() : executablePath.substr(0, slash + 1)) + "Code.BM";
}

int RunQueryTool(const std::vector<std::string>& args, const TToolContext& context) {
  TOptions options;
  try {
    options = ParseOptions(args);
  } catch (const EUsageError& e) {
    return Fail(context, std::string(e.what()) + "\n用 haomiso-query --help 查看用法。");
  }
  if (options.help) {
    context.out->Write(HelpText());
    context.out->Flush();
    return kExitAnswered;
  }

  const std::string database = options.database.empty() ? DatabaseBeside(context.executablePath) : options.database;
  if (!context.isFile(database)) return Fail(context, "数据文件:" + database + "不存在!");
  TQueryRun run(options, context.today, database);
  try {
    run.Connect();
  } catch (const Exception& e) {
    return Fail(context, "无法打开数据文件 " + database + ": " + e.Message());
  }

  TLineSource source;
  if (options.inputs.empty()) {
    try {
      source = OpenLines(options, context);
    } catch (const EToolIoError& e) {
      return Fail(context, e.what());
    }
  }

  // Someone typing wants each answer as soon as the line is entered.
  const bool typed = context.interactive && source.standard;
  TBufferedOutput out(*context.out, typed ? 0 : std::size_t{1} << 16);
  TProgress progress(*context.err, context.progress && options.inputs.empty());
  bool refused = false;
  std::size_t lines = 0;
  try {
    if (options.header) out.Write(FormatHeader(options.format));
    ForEachInput(options, source, [&](const std::string& text, const std::string& error, std::size_t n) {
      const TRecord record = run.Answer(text, error);
      refused = refused || record.status == "refused" || record.status == "invalid";
      out.Write(FormatRecord(record, options.format));
      lines = n;
      progress.Step(n);
    });
    out.Flush();
  } catch (const EToolIoError& e) {
    progress.Finish(lines);
    return Fail(context, e.what());
  } catch (const EDatabaseError& e) {
    // What was answered before the error stays answered.
    try {
      out.Flush();
    } catch (const EToolIoError&) {
    }
    progress.Finish(lines);
    return Fail(context, "数据文件 " + database + " 出错: " + e.Message());
  }
  progress.Finish(lines);
  return refused ? kExitRefused : kExitAnswered;
}

}  // namespace hm::query
