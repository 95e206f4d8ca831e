#include "tools/haomiso-query/options.h"

#include "app/lookups/lookup_statements.h"

namespace hm::query {
namespace {

int ColumnItem(const std::string& name) {
  const int item = lookups::AreaSearchItemIndex(name);
  if (item >= 0) return item;
  // The columns' own names and ASCII names for scripts.
  static const char* const kAliases[][3] = {
      {"area_code", "区号", "0"}, {"postal_code", "邮编", "1"}, {"province", "省名", "2"}, {"city", "县市名", "3"}};
  for (const auto& alias : kAliases) {
    if (name == alias[0] || name == alias[1]) return alias[2][0] - '0';
  }
  throw EUsageError("未知的查找列: " + name + " (可用: 区号, 邮编, 省份, 县/市名)");
}

TForcedKind Kind(const std::string& name) {
  if (name == "auto") return TForcedKind::Auto;
  if (name == "mobile") return TForcedKind::Mobile;
  if (name == "id") return TForcedKind::IdNumber;
  if (name == "division_code") return TForcedKind::DivisionCode;
  if (name == "area_code") return TForcedKind::AreaCode;
  if (name == "text") return TForcedKind::Text;
  throw EUsageError("未知的输入类型: " + name + " (可用: auto, mobile, id, division_code, area_code, text)");
}

TOutputFormat Format(const std::string& name) {
  if (name == "tsv") return TOutputFormat::Tsv;
  if (name == "csv") return TOutputFormat::Csv;
  if (name == "jsonl") return TOutputFormat::JsonLines;
  throw EUsageError("未知的输出格式: " + name + " (可用: tsv, csv, jsonl)");
}

}  // namespace

TOptions ParseOptions(const std::vector<std::string>& args) {
  TOptions options;
  bool onlyInputs = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (onlyInputs || arg.size() < 2 || arg[0] != '-') {
      options.inputs.push_back(arg);
      continue;
    }
    if (arg == "--") {
      onlyInputs = true;
      continue;
    }
    std::string name = arg;
    std::optional<std::string> inlineValue;
    if (const auto eq = arg.find('='); arg.compare(0, 2, "--") == 0 && eq != std::string::npos) {
      name = arg.substr(0, eq);
      inlineValue = arg.substr(eq + 1);
    }
    const auto value = [&]() -> std::string {
      if (inlineValue) return *inlineValue;
      if (i + 1 >= args.size()) throw EUsageError("选项 " + name + " 需要一个值");
      return args[++i];
    };
    const auto flag = [&] {
      if (inlineValue) throw EUsageError("选项 " + name + " 不带值");
    };
    if (name == "-h" || name == "--help") {
      flag();
      options.help = true;
    } else if (name == "--db") {
      options.database = value();
      if (options.database.empty()) throw EUsageError("--db 需要一个文件路径");
    } else if (name == "-f" || name == "--file") {
      if (options.file) throw EUsageError("只能给出一个 --file");
      options.file = value();
    } else if (name == "--gbk") {
      flag();
      options.encoding = TInputEncoding::Gbk;
    } else if (name == "--format") {
      options.format = Format(value());
    } else if (name == "--no-header") {
      flag();
      options.header = false;
    } else if (name == "--column") {
      options.columnItem = ColumnItem(value());
    } else if (name == "--as") {
      options.as = Kind(value());
    } else {
      throw EUsageError("未知选项: " + arg);
    }
  }
  if (options.file && !options.inputs.empty()) throw EUsageError("输入或者在命令行上给出, 或者用 --file, 不能两者都用");
  return options;
}

std::string HelpText() {
  return R"(用法: haomiso-query [选项] [输入...]

查询手机号码归属地、身份证号码发证地区、行政区划代码、区号和地名,
每个输入一行结果。没有给出输入时从标准输入逐行读取。

输入的识别:
  11位手机号码        可带 +86 或 0086, 可有空格和连字符
  15位或18位身份证号  另查校验码、出生日期和性别, 15位的转换为18位
  6位行政区划代码      查 ZipCode 的地区名
  区号 0xx 或 0xxx     查 AreaData 中该区号的地方
  其他文字             与主窗口的"邮编"页一样查找 (见 --column)

选项:
  -f, --file PATH       从文件逐行读取输入 ("-" 为标准输入)
      --gbk             输入文件和标准输入为 GBK 编码 (默认 UTF-8)
      --format FORMAT   输出格式: tsv (默认), csv, jsonl
      --no-header       tsv 和 csv 不输出表头
      --column COLUMN   文字查找的列: 区号, 邮编, 省份, 县/市名 (默认)
      --as KIND         不识别, 把每个输入都当作: mobile, id,
                        division_code, area_code, text
      --db PATH         数据文件 (默认: 程序所在目录的 Code.BM)
  -h, --help            显示本说明

输出列: input kind status reason number province city area_code
postal_code carrier division id18 birth_date sex matches
status: found 找到, no_match 没有找到, invalid 身份证号码有误 (见 reason),
refused 无法识别 (见 reason), empty 空行。

退出码: 0 每个输入都得到了回答; 1 有输入被拒绝或身份证号码有误;
2 命令行或数据文件错误。

例: haomiso-query 13800138000 110103199001011234 0755 南山
)";
}

}  // namespace hm::query
