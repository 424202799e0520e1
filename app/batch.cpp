// The batch mode: reads the design conditions (defaults or a .dat file), applies the T load
// and pitch of the arguments over the file's, runs the calculation and writes the reports.
#include "app/batch.h"

#include <unistd.h>

#include <QGuiApplication>
#include <array>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <new>
#include <optional>

#include "app/batch_messages.h"
#include "app/batch_signals.h"
#include "app/batch_study.h"
#include "app/report_pdf_file.h"
#include "calc/drawing/title_block.h"
#include "calc/figure_controls.h"
#include "calc/sheet/format_line.h"
#include "files/design_file.h"
#include "files/dxf_file.h"
#include "files/json_report.h"
#include "files/quantity_csv.h"
#include "files/text_report.h"
#include "report/report_pages.h"

namespace {

const char* const kUsage =
    "使い方: dolmeta --batch [FILE.dat] [--text PATH] [--json PATH] [--pdf PATH]\n"
    "                        [--quantities FILE.csv] [--dxf FILE.dxf]\n"
    "                        [--tload WEIGHT,AXLE,DEPTH] [--pitch auto|125|150|200|250|300]\n"
    "                        [--groundwater HW|none] [--inner-water full|none]\n"
    "                        [--gamma-w V] [--gamma-sub V] [--qa V] [--uplift-factor V]\n"
    "                        [--cells 1|2|3] [--tm T]\n"
    "        dolmeta --batch [FILE.dat] --sweep NAME=FROM:TO:STEP [--sweep ...] [--csv PATH]\n"
    "        dolmeta --batch [FILE.dat] --size [--sweep h1=FROM:TO:STEP] [--out PATH.dat]\n"
    "        dolmeta --batch --help\n";

const char* const kHelp =
    "画面を開かずに一度計算します。設計条件は既定値か FILE.dat のものです。\n"
    "出力は全部書き込むか何も書き込まないかのどちらかです。一つでも書き込めないときは、\n"
    "どの出力も前のファイルを置き換えません。PATH を - にすると標準出力に書き出します。\n"
    "水位・地盤（設計検討でも、ファイルの値に代わります）:\n"
    "  --groundwater HW|none   地下水位の路面からの深さ (m)。none はなし\n"
    "  --inner-water full|none 内水。full は満水\n"
    "  --gamma-w V             水の単位重量 (kN/m3、既定 9.8)\n"
    "  --gamma-sub V           土の水中単位重量 (kN/m3、既定 9.0)\n"
    "  --qa V                  許容地盤反力度 (kN/m2)。none は照査しない\n"
    "  --uplift-factor V       浮上りの所要安全率 (既定 1.2)\n"
    "セル数・中壁（設計検討でも、ファイルの値に代わります）:\n"
    "  --cells 1|2|3           セル数 (既定 1)。外形幅 B はボックス全体の幅です\n"
    "  --tm T                  中壁厚 (m、既定 0.40)。セル数 2 以上のとき\n"
    "終了ステータス:\n"
    "  0  完了し、設計は OK です。すべての荷重ケースですべての断面が許容応力度内で、\n"
    "     浮上りと地盤反力度の照査も OK、どの計算段階もメッセージを出していません\n"
    "  3  完了しましたが、許容応力度を超えた断面があるか、浮上りか地盤反力度の照査が\n"
    "     OK でないか、計算段階がメッセージを出しました。応力分布タイプが普通でない、\n"
    "     鉄筋量が求まらない、鉄筋加工ができない、のいずれかです（理由は標準エラー\n"
    "     出力にあります）\n"
    "  2  設計条件のチェックで止まりました\n"
    "  1  数値の変換エラー、ファイルのエラー、またはメモリー不足です\n"
    "  130  出力を置く前に中断されました（Ctrl-C）。何も書き込んでいません\n";

constexpr int kCompleted = 0;
constexpr int kFailed = 1;
constexpr int kCheckFailed = 2;
constexpr int kNotPassed = 3;

struct BatchOptions {
    bool help = false;
    std::string conditionsFile;
    std::optional<std::string> textPath;
    std::optional<std::string> jsonPath;
    std::optional<std::string> pdfPath;
    std::optional<std::string> quantitiesPath;
    std::optional<std::string> dxfPath;
    std::optional<std::array<std::string, 3>> tLoad;  // weight (t), axle distance, impact depth
    std::optional<std::string> pitch;                 // "auto" or one of the pitch choices
    // Water and ground entries as typed; the run converts and checks them.
    std::vector<std::pair<std::string DesignConditions::*, std::string>> waterTexts;
    std::optional<int> innerWater;
    std::optional<int> cells;
    std::optional<std::string> Tm;  // as typed; the run converts and checks it
    StudyOptions study;
};

// Writes every message to the stream as it comes and keeps it for the JSON report. Nobody
// is there to answer a confirmation; it is taken as Yes.
class StreamMessenger : public Messenger {
  public:
    explicit StreamMessenger(std::ostream& stream) : stream_(stream) {}
    void Inform(const std::string& text) override {
        stream_ << text << '\n';
        messages.push_back(text);
    }
    bool Confirm(const std::string& text) override {
        Inform(text);
        return true;
    }

    std::vector<std::string> messages;

  private:
    std::ostream& stream_;
};

// The entry a water option sets as typed; null for any other argument.
std::string DesignConditions::*WaterTextField(const std::string& argument) {
    if (argument == "--groundwater") return &DesignConditions::hw;
    if (argument == "--gamma-w") return &DesignConditions::gammaW;
    if (argument == "--gamma-sub") return &DesignConditions::gammaSub;
    if (argument == "--qa") return &DesignConditions::qa;
    if (argument == "--uplift-factor") return &DesignConditions::upliftFactor;
    return nullptr;
}

std::optional<std::array<std::string, 3>> SplitTLoad(const std::string& text) {
    std::array<std::string, 3> parts;
    std::size_t start = 0;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        const auto comma = text.find(',', start);
        if ((comma == std::string::npos) != (k == parts.size() - 1)) return std::nullopt;
        parts[k] = text.substr(start, comma - start);
        start = comma + 1;
    }
    return parts;
}

bool IsPitchChoice(const std::string& text) {
    for (const char* choice : {"auto", "125", "150", "200", "250", "300"})
        if (text == choice) return true;
    return false;
}

// The options, or the reason the arguments are not understood.
std::optional<BatchOptions> ParseArguments(const std::vector<std::string>& arguments,
                                           std::string& error) {
    BatchOptions options;
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        const std::string& argument = arguments[k];
        if (argument == "--batch") continue;
        if (argument == "--help") {
            options.help = true;
            continue;
        }
        const bool takesValue =
            argument == "--text" || argument == "--json" || argument == "--pdf" ||
            argument == "--quantities" || argument == "--dxf" || argument == "--tload" ||
            argument == "--pitch" || argument == "--sweep" || argument == "--csv" ||
            argument == "--out" || WaterTextField(argument) || argument == "--inner-water" ||
            argument == "--cells" || argument == "--tm";
        if (takesValue && k + 1 >= arguments.size()) {
            error = argument + " の後に値がありません。";
            return std::nullopt;
        }
        if (argument == "--text") {
            options.textPath = arguments[++k];
        } else if (argument == "--json") {
            options.jsonPath = arguments[++k];
        } else if (argument == "--pdf") {
            options.pdfPath = arguments[++k];
        } else if (argument == "--quantities") {
            options.quantitiesPath = arguments[++k];
        } else if (argument == "--dxf") {
            options.dxfPath = arguments[++k];
        } else if (argument == "--tload") {
            options.tLoad = SplitTLoad(arguments[++k]);
            if (!options.tLoad) {
                error =
                    "--tload の値「" + arguments[k] + "」は WEIGHT,AXLE,DEPTH の形ではありません。";
                return std::nullopt;
            }
        } else if (argument == "--pitch") {
            options.pitch = arguments[++k];
            if (!IsPitchChoice(*options.pitch)) {
                error = "--pitch の値「" + arguments[k] +
                        "」は auto, 125, 150, 200, 250, 300 のどれでもありません。";
                return std::nullopt;
            }
        } else if (const auto field = WaterTextField(argument)) {
            const std::string& value = arguments[++k];
            options.waterTexts.emplace_back(field, value == "none" && argument == "--groundwater"
                                                       ? std::string(kNoGroundwater)
                                                       : value);
        } else if (argument == "--inner-water") {
            const std::string& value = arguments[++k];
            if (value != "full" && value != "none") {
                error = "--inner-water は full か none です（「" + value + "」ではありません）";
                return std::nullopt;
            }
            options.innerWater = value == "full" ? 1 : 0;
        } else if (argument == "--cells") {
            const std::string& value = arguments[++k];
            if (value != "1" && value != "2" && value != "3") {
                error = "--cells は 1, 2, 3 のどれかです（「" + value + "」ではありません）";
                return std::nullopt;
            }
            options.cells = value[0] - '0';
        } else if (argument == "--tm") {
            options.Tm = arguments[++k];
        } else if (argument == "--sweep") {
            if (!AddSweep(options.study, arguments[++k], error)) return std::nullopt;
        } else if (argument == "--csv") {
            options.study.csvPath = arguments[++k];
        } else if (argument == "--out") {
            options.study.outPath = arguments[++k];
        } else if (argument == "--size") {
            options.study.size = true;
        } else if (argument.empty()) {
            // An empty file variable in a script, not a request for the default conditions.
            error = "設計条件ファイルの名前が空です。";
            return std::nullopt;
        } else if (argument.starts_with("-") || !options.conditionsFile.empty()) {
            error = "引数「" + argument + "」は使えません。";
            return std::nullopt;
        } else {
            options.conditionsFile = argument;
        }
    }
    if (!CheckStudyOptions(options.study, error)) return std::nullopt;
    if (options.study.Requested() && (options.textPath || options.jsonPath || options.pdfPath ||
                                      options.quantitiesPath || options.dxfPath)) {
        error =
            "--text, --json, --pdf, --quantities, --dxf "
            "は一回の計算の出力です。検討には使えません。";
        return std::nullopt;
    }
    return options;
}

// What the T-load dialog's transfer and the bar-pitch choice would set on the input page;
// over what a file set.
void ApplyOptions(const BatchOptions& options, DesignConditions& conditions) {
    if (options.tLoad) {
        conditions.tWeight = (*options.tLoad)[0];
        conditions.tAxleDistance = (*options.tLoad)[1];
        conditions.tImpactDepth = (*options.tLoad)[2];
        conditions.liveLoadCaption0 = "活荷重（T-" + conditions.tWeight + "）";
    }
    if (options.pitch) {
        const bool automatic = *options.pitch == "auto";
        conditions.pitchMode = automatic ? 0 : 1;
        if (!automatic) conditions.pitch = *options.pitch;
    }
    for (const auto& [field, text] : options.waterTexts) conditions.*field = text;
    if (options.innerWater) conditions.innerWater = *options.innerWater;
    if (options.cells) conditions.cells = *options.cells;
    if (options.Tm) conditions.Tm = *options.Tm;
}

// Tells the checks of chapter VI the box fails, if any.
void TellUnstable(const CalcTable& table, std::ostream& err) {
    if (!table.stability) return;
    const Stability& s = *table.stability;
    if (s.uplift && !s.uplift->passes)
        err << "浮上りに対する安全率が不足しています（Fs="
            << FormatLine("0.000"_pattern, s.uplift->Fs) << " ＜ "
            << FormatLine("0.00"_pattern, s.uplift->required) << "）\n";
    if (!s.bearing.passes)
        err << "地盤反力度が許容値を超えました（qmax="
            << FormatLine("0.00"_pattern, s.bearing.largest)
            << " ＞ qa=" << FormatLine("0.00"_pattern, *s.bearing.qa) << " kN/m2）\n";
}

// Tells the sections of the section-design table judged "NO", if any.
void TellExceededSections(const CalcTable& table, std::ostream& err) {
    const Grid& grid = table.GridOf("StringGrid3");
    std::string sections;
    for (int row = 1; row < grid.rows; ++row)
        if (grid.Cell(13, row) == "NO")
            sections += (sections.empty() ? "" : ", ") + grid.Cell(0, row);
    if (!sections.empty()) err << table.labels.at("Label97").text << "（" << sections << "）\n";
}

// The report pages need Qt's fonts and painting; without a display they render offscreen.
std::unique_ptr<QGuiApplication> PaintingApplication() {
    if (QGuiApplication::instance()) return nullptr;
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "dolmeta";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

// One requested output: what it is, where it goes and how it is staged.
struct Output {
    const char* what;
    std::string path;
    std::function<FileResult(FileCommit&, const std::string&)> stage;
};

std::vector<Output> RequestedOutputs(const BatchOptions& options, const CalcTable& table,
                                     const std::vector<std::string>& messages,
                                     const DesignConditions& conditions) {
    std::vector<Output> outputs;
    if (options.textPath)
        outputs.push_back(
            {"計算書テキスト", *options.textPath, [&](FileCommit& commit, const std::string& path) {
                 return WriteTextReport(commit, path, table);
             }});
    if (options.jsonPath)
        outputs.push_back(
            {"計算結果JSON", *options.jsonPath, [&](FileCommit& commit, const std::string& path) {
                 return WriteJsonReport(commit, path, table, messages);
             }});
    if (options.pdfPath)
        outputs.push_back(
            {"計算書PDF", *options.pdfPath, [&](FileCommit& commit, const std::string& path) {
                 const auto application = PaintingApplication();
                 return WriteReportPdf(commit, path, table, conditions.figureColours, {},
                                       ReportHeader(conditions.projectName, conditions.designer));
             }});
    if (options.quantitiesPath)
        outputs.push_back(
            {"数量CSV", *options.quantitiesPath, [&](FileCommit& commit, const std::string& path) {
                 return WriteQuantityCsv(commit, path, table);
             }});
    if (options.dxfPath)
        outputs.push_back(
            {"図面DXF", *options.dxfPath, [&](FileCommit& commit, const std::string& path) {
                 // The drawing is named after the design-condition file, or after itself.
                 const std::string& named =
                     options.conditionsFile.empty() ? path : options.conditionsFile;
                 return WriteSectionDxf(
                     commit, path, table,
                     {conditions.projectName, std::filesystem::path(named).filename().string(),
                      DateText(std::time(nullptr))});
             }});
    return outputs;
}

// Writes every output to its temporary file, and puts them in place only when all of them
// succeeded; says where, or why not. The input file is never replaced. The exit status:
// completed, a file error, or interrupted.
int WriteOutputs(const std::vector<Output>& outputs, const std::string& input, std::ostream& out,
                 std::ostream& err, const std::atomic<bool>& stop) {
    FileCommit commit(&out, &stop);
    if (!input.empty()) commit.KeepUnchanged(input);
    FileResult result;
    for (const Output& output : outputs)
        if (result = output.stage(commit, output.path); !result.ok()) break;
    if (result.ok()) result = commit.Commit();
    if (result.status == FileStatus::Interrupted) {
        TellInterrupted(err);
        return kInterrupted;
    }
    if (!result.ok()) {
        TellNothingWritten(result, err);
        return kFailed;
    }
    std::ostream& status = commit.WritesStandardOutput() ? err : out;
    for (const Output& output : outputs)
        if (output.path != "-") TellWritten(status, output.what, output.path);
    return kCompleted;
}

int Batch(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
          const CalculationRun& run, const std::atomic<bool>& stop) {
    std::string error;
    const auto options = ParseArguments(arguments, error);
    if (!options) {
        err << error << '\n' << kUsage;
        return kFailed;
    }
    if (options->help) {
        out << kUsage << kHelp << StudyUsage();
        return kCompleted;
    }

    DesignConditions conditions;
    if (!options->conditionsFile.empty()) {
        const FileResult loaded = LoadDesignConditions(options->conditionsFile, conditions);
        if (!loaded.ok()) {
            err << loaded.message << '\n';
            return kFailed;
        }
    }
    ApplyOptions(*options, conditions);
    if (options->study.Requested()) {
        StudyOptions study = options->study;
        study.inputFile = options->conditionsFile;
        return RunStudy(conditions, study, out, err, stop,
                        &err == &std::cerr && isatty(STDERR_FILENO));
    }

    CalcTable table;
    // The figure controls a file holds act on the figures as on the window, before the run.
    SetFigureFontSize(table, conditions.figureFontSize);
    SetFigureColours(table, conditions.figureColours);
    StreamMessenger messenger(err);
    switch (run(conditions, table, messenger)) {
        case RunResult::Completed:
            KeepColourChoice(table, conditions.figureColours);
            break;
        case RunResult::CheckFailed:
            return kCheckFailed;
        case RunResult::ConversionError:
            return kFailed;
    }

    if (const int written =
            WriteOutputs(RequestedOutputs(*options, table, messenger.messages, conditions),
                         options->conditionsFile, out, err, stop);
        written != kCompleted)
        return written;
    // A stage's message is on standard error already; the sections over their limits and the
    // failed checks of the box are told too.
    TellExceededSections(table, err);
    TellUnstable(table, err);
    return table.passed ? kCompleted : kNotPassed;
}

}  // namespace

int RunBatch(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
             const CalculationRun& run) {
    const StopRequests stop;
    int status = kFailed;
    try {
        status = Batch(arguments, out, err, run, stop.Flag());
    } catch (const std::bad_alloc&) {
        err << "メモリーが足りないため、処理を中止しました。\n";
        return kFailed;
    }
    // What standard output did not take is a failed output too.
    if ((status == kCompleted || status == kNotPassed) && !out.flush()) {
        err << "標準出力に書き出せません。\n";
        return kFailed;
    }
    return status;
}

int RunBatch(int argc, char** argv) {
    PrepareStandardStreams();
    return RunBatch(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
