// The print command and the preview: confirmation, messages, the calculation table's
// visibility, and what reaches the printer.
#include "report/report_run.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include "pdf_pages.h"
#include "report/report_pages.h"
#include "sample_table.h"
#include "tests/files/pdf_text.h"

namespace {

const std::string kReady = "プリンターの準備はいいですか。\n10枚印刷します。";
const std::string kPrinted = "出力中です．．．\n印刷が終わるまでお待ち下さい。";

// The calculation table's visibility as the hooks leave it, with every change in order.
struct CalcTableWindow {
    bool visible = false;
    std::vector<std::string> calls;
};

struct PrintFixture : testing::Test {
    QTemporaryDir folder;
    QPrinter printer{QPrinter::HighResolution};
    CalcTable table = SampleTable();
    CalcTableWindow window;
    ReportContext context{table, kColourFigures, printer};

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        printer.setOutputFormat(QPrinter::PdfFormat);
        context.hideCalcTable = [this] {
            window.visible = false;
            window.calls.push_back("hide");
        };
        context.showCalcTable = [this] {
            window.visible = true;
            window.calls.push_back("show");
        };
    }
    QString Output(const char* name) const { return folder.filePath(name); }
};

TEST_F(PrintFixture, AnsweringNoPrintsNothingAndLeavesTheTableAlone) {
    printer.setOutputFileName(Output("printed.pdf"));
    RecordingMessenger messenger(false);
    const ReportOutcome outcome = PrintReport(context, messenger);
    EXPECT_EQ(outcome.result, ReportResult::Cancelled);
    EXPECT_EQ(messenger.messages, std::vector<std::string>{kReady});
    EXPECT_FALSE(QFile::exists(Output("printed.pdf")));
    EXPECT_TRUE(window.calls.empty());
}

TEST_F(PrintFixture, YesPrintsTheTenPagesThenTellsAndShowsTheTableAgain) {
    printer.setOutputFileName(Output("printed.pdf"));
    RecordingMessenger messenger(true);
    const ReportOutcome outcome = PrintReport(context, messenger);
    EXPECT_EQ(outcome.result, ReportResult::Success);
    EXPECT_EQ(messenger.messages, (std::vector<std::string>{kReady, kPrinted}));
    EXPECT_EQ(PdfPageSizes(Output("printed.pdf")), ReportPageSizes()) << "one job, in order";
    ASSERT_FALSE(window.calls.empty());
    EXPECT_EQ(window.calls.front(), "hide");
    EXPECT_EQ(window.calls.back(), "show");
    EXPECT_TRUE(window.visible) << "shown even though it was hidden before";
}

TEST_F(PrintFixture, AnExtraPageFollowsTheTenNumberedAmongThemUnderTheHeader) {
    printer.setOutputFileName(Output("printed.pdf"));
    context.header = "工事名：○○線函渠工";
    RecordingMessenger messenger(true);
    ReportPage extra;
    extra.title = "照査一覧";
    ASSERT_TRUE(PrintReport(context, messenger, {extra}).Succeeded());
    EXPECT_EQ(messenger.messages[0], "プリンターの準備はいいですか。\n11枚印刷します。");
    QFile printed(Output("printed.pdf"));
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    const std::string pdf = printed.readAll().toStdString();
    EXPECT_EQ(PdfPageSizesOf(pdf).size(), 11);
    for (int page : {4, 11}) {
        const std::string text = PdfPageText(pdf, page);
        EXPECT_NE(text.find(std::to_string(page) + " / 11"), std::string::npos) << page;
        EXPECT_NE(text.find("工事名：○○線函渠工"), std::string::npos) << page;
    }
}

TEST_F(PrintFixture, AFailedPageSaysWhichAndWhereAndNeverClaimsSuccess) {
    const QString missing = Output("no such folder/printed.pdf");
    printer.setOutputFileName(missing);
    RecordingMessenger messenger(true);
    const ReportOutcome outcome = PrintReport(context, messenger);
    EXPECT_EQ(outcome.result, ReportResult::PrintError);
    ASSERT_EQ(messenger.messages.size(), 2u);
    const std::string& told = messenger.messages[1];
    EXPECT_EQ(told, outcome.message);
    EXPECT_NE(told.find(ReportPageTitle(1)), std::string::npos) << told;
    EXPECT_NE(told.find(missing.toStdString()), std::string::npos) << told;
    EXPECT_EQ(window.calls.back(), "show");
    EXPECT_FALSE(QDir(Output("no such folder")).exists());
}

TEST_F(PrintFixture, WithoutAnyPrinterNothingIsPrintedAndTheMessageSaysSo) {
    printer.setOutputFileName("");  // what the current printer is when none is installed
    RecordingMessenger messenger(true);
    const ReportOutcome outcome = PrintReport(context, messenger);
    EXPECT_EQ(outcome.result, ReportResult::PrintError);
    ASSERT_EQ(messenger.messages.size(), 2u);
    EXPECT_NE(messenger.messages[1].find(ReportPageTitle(1)), std::string::npos);
    EXPECT_NE(messenger.messages[1], kPrinted);
    EXPECT_TRUE(window.visible);
}

TEST_F(PrintFixture, PreviewHidesTheTableAndShowsItAgainWhenClosed) {
    QWidget parent;
    context.parent = &parent;
    bool closed = false;
    QTimer::singleShot(0, [&closed] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            dialog->close();
            closed = true;
        }
    });
    window.visible = true;
    const ReportOutcome outcome = PreviewReportPage(4, context);
    EXPECT_TRUE(closed);
    EXPECT_TRUE(outcome.Succeeded());
    EXPECT_EQ(window.calls, (std::vector<std::string>{"hide", "show"}));
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
}

// The whole report: the ten pages in one preview, each whole on its sheet.
TEST_F(PrintFixture, WholeReportPreviewHoldsTheTenPages) {
    QWidget parent;
    context.parent = &parent;
    int pages = 0;
    QTimer::singleShot(0, [&pages] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            if (auto* view = dialog->findChild<QPrintPreviewWidget*>()) pages = view->pageCount();
            dialog->close();
        }
    });
    window.visible = true;
    PreviewWholeReport(context);
    EXPECT_EQ(pages, kReportPageCount);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"hide", "show"}));
}

}  // namespace
