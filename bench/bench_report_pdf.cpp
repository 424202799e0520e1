// Building the ten report pages from the default design's calculation and painting them
// into one PDF file.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include "app/report_pdf_file.h"
#include "calc/run.h"
#include "report/report_pages.h"

namespace {

void BM_ReportPdf(benchmark::State& state) {
    int argc = 1;
    char name[] = "bench_report_pdf";
    char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // fonts need the GUI application

    CalcTable table;
    RecordingMessenger messenger;
    RunCalculation(DesignConditions{}, table, messenger);
    QTemporaryDir folder;
    const std::string path = folder.filePath("report.pdf").toStdString();
    for (auto _ : state) {
        const FileResult written = WriteReportPdf(path, table, kColourFigures);
        if (!written.ok()) state.SkipWithError(written.message.c_str());
    }
}
BENCHMARK(BM_ReportPdf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
