// Reading input lines and writing the three output formats.
#include <gtest/gtest.h>

#include "framework/core/text.h"
#include "tools/haomiso-query/line_reader.h"
#include "tools/haomiso-query/output_format.h"

namespace hm::query {
namespace {

std::vector<TInputLine> Lines(std::string bytes, TInputEncoding encoding = TInputEncoding::Utf8) {
  TStringInput input(std::move(bytes));
  TLineReader reader(input, encoding, "输入");
  std::vector<TInputLine> lines;
  TInputLine line;
  while (reader.Next(line)) lines.push_back(line);
  return lines;
}

std::vector<std::string> Texts(const std::vector<TInputLine>& lines) {
  std::vector<std::string> texts;
  for (const TInputLine& line : lines) texts.push_back(line.text);
  return texts;
}

TEST(LineReader, ByteOrderMarkAndCrLfAreDropped) {
  EXPECT_EQ(Texts(Lines("\xEF\xBB\xBF" "13800138000\r\n\r\n南山\r\nlast")),
            (std::vector<std::string>{"13800138000", "", "南山", "last"}));
  EXPECT_TRUE(Lines("").empty());
  EXPECT_EQ(Lines("a\n").size(), 1u);
}

TEST(LineReader, LinesLongerThanOneRead) {
  const std::string long1(100000, 'a');
  const std::string long2(70000, 'b');
  EXPECT_EQ(Texts(Lines(long1 + "\n" + long2)), (std::vector<std::string>{long1, long2}));
}

TEST(LineReader, GbkIsDecodedAndBadBytesAreNamed) {
  const std::string gbk = Utf8ToGbk("南山\r\n深圳");
  EXPECT_EQ(Texts(Lines(gbk, TInputEncoding::Gbk)), (std::vector<std::string>{"南山", "深圳"}));
  // Read as UTF-8, GBK bytes are refused with a hint.
  const std::vector<TInputLine> asUtf8 = Lines(gbk);
  EXPECT_EQ(asUtf8[0].error, "不是有效的UTF-8文本(GBK编码的输入请用--gbk)");
  EXPECT_TRUE(IsValidUtf8(asUtf8[0].text));
  EXPECT_EQ(Lines("\xC4\xCF\xFF\n", TInputEncoding::Gbk)[0].error, "不是有效的GBK文本");
  // A UTF-8 mark wins over the option.
  EXPECT_EQ(Texts(Lines("\xEF\xBB\xBF南山", TInputEncoding::Gbk)), std::vector<std::string>{"南山"});
}

TEST(LineReader, Utf16IsRefusedAsAWhole) {
  EXPECT_THROW(Lines(std::string("\xFF\xFE" "1\0" "3\0", 6)), EToolIoError);
}

TEST(LineReader, Utf8Validation) {
  EXPECT_TRUE(IsValidUtf8("南山 abc \xF0\x9F\x98\x80"));
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong "/"
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
  EXPECT_FALSE(IsValidUtf8("\xE5\x8D"));          // cut short
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
}

TRecord Sample() {
  TRecord r;
  r.input = "a,\"b\"\tc\\";
  r.kind = "text";
  r.status = "found";
  r.rows = {{"0755", "518052", "广东", "南山区"}, {"0468", "154104", "黑龙江", "南山区"}};
  r.matches = 2;
  return r;
}

TEST(OutputFormat, TsvEscapesWhatWouldBreakColumnsOrLines) {
  EXPECT_EQ(TsvField("a\tb\nc\rd\\e"), "a\\tb\\nc\\rd\\\\e");
  const std::string line = FormatRecord(Sample(), TOutputFormat::Tsv);
  EXPECT_EQ(line,
            "a,\"b\"\\tc\\\\\ttext\tfound\t\t\t广东|黑龙江\t南山区|南山区\t0755|0468\t518052|154104\t\t\t\t\t\t2\n");
  EXPECT_EQ(FormatHeader(TOutputFormat::Tsv).rfind("input\tkind\tstatus\treason\t", 0), 0u);
}

TEST(OutputFormat, CsvQuotesAsRfc4180) {
  EXPECT_EQ(CsvField("plain 南山"), "plain 南山");
  EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
  EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(CsvField("two\r\nlines"), "\"two\r\nlines\"");
  const std::string line = FormatRecord(Sample(), TOutputFormat::Csv);
  EXPECT_EQ(line.rfind("\"a,\"\"b\"\"\tc\\\",text,found,", 0), 0u) << line;
  EXPECT_EQ(line.substr(line.size() - 5), ",,2\r\n");
  const std::string header = FormatHeader(TOutputFormat::Csv);
  EXPECT_EQ(header.substr(header.size() - 14), ",sex,matches\r\n");
}

TEST(OutputFormat, JsonLinesEscapeAndCarryTheRows) {
  EXPECT_EQ(JsonString("\"\\/\x01\n南"), "\"\\\"\\\\/\\u0001\\n南\"");
  TRecord refused;
  refused.input = "12345";
  refused.status = "refused";
  refused.reason = "无法识别的号码(5位数字)";
  const std::string line = FormatRecord(refused, TOutputFormat::JsonLines);
  EXPECT_EQ(line.rfind("{\"input\":\"12345\",\"kind\":\"\",\"status\":\"refused\",\"reason\":\"无法识别", 0), 0u);
  EXPECT_NE(line.find("\"matches\":null}\n"), std::string::npos);
  EXPECT_EQ(line.find("rows"), std::string::npos);
  const std::string area = FormatRecord(Sample(), TOutputFormat::JsonLines);
  EXPECT_NE(area.find("\"matches\":2,\"rows\":[{\"area_code\":\"0755\",\"postal_code\":\"518052\",\"province\":\"广东\","
                      "\"city\":\"南山区\"},{\"area_code\":\"0468\""),
            std::string::npos);
  EXPECT_TRUE(FormatHeader(TOutputFormat::JsonLines).empty());
}

}  // namespace
}  // namespace hm::query
