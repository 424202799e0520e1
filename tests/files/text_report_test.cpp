// The text report: chapters in their order around the list boxes and grids, grids as padded
// fields, CP932 with CR LF, and a failed write that keeps the earlier file.
#include "files/text_report.h"

#include <gtest/gtest.h>

#include "files/cp932.h"
#include "tests/files/temp_folder.h"

namespace {

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

Grid SmallGrid(std::vector<std::vector<std::string>> cells) {
    Grid grid(static_cast<int>(cells.front().size()), static_cast<int>(cells.size()));
    grid.cells = std::move(cells);
    return grid;
}

}  // namespace

TEST(TextReport, ChaptersFrameTheComponentsInOrder) {
    CalcTable table;
    for (auto& [name, items] : table.lists) items.clear();
    table.List("ListBox7") = {"設計条件の行"};
    table.List("ListBox1") = {"荷重 2", " 空白も保つ "};
    table.List("ListBox5") = {"節点"};
    table.List("ListBox2") = {"部材"};
    table.List("ListBox8") = {"注"};
    table.List("ListBox6") = {"L1 = 100", "L2 = 200"};
    table.GridOf("StringGrid1") = SmallGrid({{"部材", ""}, {"頂版M", "-12.3"}});
    table.GridOf("StringGrid3") = SmallGrid({{"判定"}});
    table.GridOf("StringGrid2") = SmallGrid({{"NO"}, {"①"}});

    TempFolder folder;
    ASSERT_TRUE(WriteTextReport(folder / "Box.txt", table).ok());
    const std::string expected = Lines({
        "ﾄﾞﾙﾒﾀ Ver3.2",
        "",
        "Ⅰ．設計条件",
        "設計条件の行",
        "",
        "",
        "Ⅱ．荷重値、荷重項",
        "　１．荷重計算",
        "",  // ListBox4 is empty: only its trailing empty line
        "",
        "荷重 2",
        " 空白も保つ ",
        "",
        "",
        "Ⅲ．ﾗｰﾒﾝ解析",
        "節点",
        "",
        "",
        "　３．部材断面力",
        "部材",
        "",
        "",
        "　４．断面力集計",
        "      部材;          ;",
        "     頂版M;     -12.3;",
        "注",
        "",
        "",
        "Ⅳ．部材断面計算",
        "　１．必要鉄筋量、実応力度の計算",
        "      判定;",
        "　　摘要",
        "　　　Ｍ：曲げﾓｰﾒﾝﾄ",
        "　　　Ｎ：軸力",
        "　　　Ｓ：接点部のせん断力",
        "　　　Ｓ2d：接点から2d部のせん断力",
        "　　　Asn：必要鉄筋量",
        "　　　As：実際の配筋量",
        "　　　Ｄ：鉄筋径",
        "　　　ﾋﾟｯﾁ：配筋ピッチ",
        "　　　σc：圧縮応力度",
        "　　　σs：引張り応力度",
        "　　　τ：せん断応力度",
        "　　　τ2d：せん断応力度",
        "",
        "Ⅴ．概要図",
        "　２．主鉄筋加工寸法",
        "",
        "        NO;",
        "        ①;",
        "",
        "　　　L1 = 100",
        "　　　L2 = 200",
        "",
    });
    const std::string bytes = ReadBytes(folder / "Box.txt");
    EXPECT_EQ(FromCp932(bytes), expected);
    EXPECT_EQ(bytes, ToCp932(expected));
}

TEST(TextReport, GridFieldsAreTenCp932BytesWide) {
    // The header row of the processing-dimension grid before any run.
    const std::string header =
        "        NO;        L1;        L2;        L3;        L4;         L;        径;      ﾋﾟｯﾁ;";
    TempFolder folder;
    ASSERT_TRUE(WriteTextReport(folder / "Box.txt", CalcTable{}).ok());
    const std::string bytes = ReadBytes(folder / "Box.txt");
    EXPECT_NE(bytes.find("\r\n" + ToCp932(header) + "\r\n"), std::string::npos);
    EXPECT_EQ(ToCp932(header).size(), 8u * 11u);
}

TEST(TextReport, WritingAgainLeavesOnlyTheNewReport) {
    TempFolder folder;
    CalcTable first;
    first.List("ListBox7") = std::vector<std::string>(50, "一回目の長い行");
    ASSERT_TRUE(WriteTextReport(folder / "Box.txt", first).ok());
    ASSERT_TRUE(WriteTextReport(folder / "Box.txt", CalcTable{}).ok());
    const std::string text = FromCp932(ReadBytes(folder / "Box.txt"));
    EXPECT_EQ(text.find("一回目"), std::string::npos);
    EXPECT_EQ(folder.EntryCount(), 1);
}

TEST(TextReport, TextWithoutCp932FormKeepsTheEarlierFileAndNamesIt) {
    TempFolder folder;
    WriteBytes(folder / "Box.txt", "earlier");
    CalcTable table;
    table.GridOf("StringGrid3").Cell(1, 2) = "12€";
    const FileResult result = WriteTextReport(folder / "Box.txt", table);
    EXPECT_EQ(result.status, FileStatus::EncodingError);
    EXPECT_NE(result.message.find("12€"), std::string::npos) << result.message;
    EXPECT_EQ(ReadBytes(folder / "Box.txt"), "earlier");
    EXPECT_EQ(folder.EntryCount(), 1);
}
