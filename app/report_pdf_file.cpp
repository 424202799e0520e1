// Rendering the report pages, then writing them as any file is written.
#include "app/report_pdf_file.h"

#include "report/report_pdf.h"

FileResult WriteReportPdf(FileCommit& commit, const std::string& path, const CalcTable& table,
                          int colourChoice, const std::vector<ReportPage>& extraPages,
                          const std::string& header) {
    std::string pdf;
    const ReportOutcome rendered = RenderReportPdf(table, colourChoice, extraPages, header, pdf);
    if (!rendered.Succeeded())
        return FileResult::Failure(
            FileStatus::FileError,
            "ファイル「" + path + "」: " + rendered.message + "ファイルには書き込んでいません。");
    return commit.Stage(path, pdf);
}

FileResult WriteReportPdf(const std::string& path, const CalcTable& table, int colourChoice,
                          const std::vector<ReportPage>& extraPages, const std::string& header) {
    FileCommit commit;
    return CommitWhenStaged(commit,
                            WriteReportPdf(commit, path, table, colourChoice, extraPages, header));
}
