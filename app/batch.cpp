// The batch mode: reads the design conditions (defaults or a .dat file), applies the T load
// and pitch of the arguments over the file's, runs the calculation and writes the reports.
#include "app/batch.h"

#include <QGuiApplication>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>

#include "calc/figure_controls.h"
#include "files/design_file.h"
#include "files/json_report.h"
#include "files/text_report.h"
#include "report/report_pdf.h"

namespace {

const char* const kUsage =
    "usage: dolmeta --batch [FILE.dat] [--text PATH] [--json PATH] [--pdf PATH]\n"
    "                       [--tload WEIGHT,AXLE,DEPTH] [--pitch auto|125|150|200|250|300]\n";

constexpr int kCompleted = 0;
constexpr int kFailed = 1;
constexpr int kCheckFailed = 2;

struct BatchOptions {
    std::string conditionsFile;
    std::string textPath;
    std::string jsonPath;
    std::string pdfPath;
    std::optional<std::array<std::string, 3>> tLoad;  // weight (t), axle distance, impact depth
    std::optional<std::string> pitch;                 // "auto" or one of the pitch choices
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
        const bool takesValue = argument == "--text" || argument == "--json" ||
                                argument == "--pdf" || argument == "--tload" ||
                                argument == "--pitch";
        if (takesValue && k + 1 >= arguments.size()) {
            error = argument + " needs a value";
            return std::nullopt;
        }
        if (argument == "--text") {
            options.textPath = arguments[++k];
        } else if (argument == "--json") {
            options.jsonPath = arguments[++k];
        } else if (argument == "--pdf") {
            options.pdfPath = arguments[++k];
        } else if (argument == "--tload") {
            options.tLoad = SplitTLoad(arguments[++k]);
            if (!options.tLoad) {
                error = "--tload takes WEIGHT,AXLE,DEPTH, not '" + arguments[k] + "'";
                return std::nullopt;
            }
        } else if (argument == "--pitch") {
            options.pitch = arguments[++k];
            if (!IsPitchChoice(*options.pitch)) {
                error = "--pitch takes auto, 125, 150, 200, 250 or 300, not '" + arguments[k] + "'";
                return std::nullopt;
            }
        } else if (argument.starts_with("-") || !options.conditionsFile.empty()) {
            error = "unknown argument '" + argument + "'";
            return std::nullopt;
        } else {
            options.conditionsFile = argument;
        }
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
}

// Writes one report; says where, or why not.
bool Report(const FileResult& result, const char* what, const std::string& path, std::ostream& out,
            std::ostream& err) {
    if (!result.ok()) {
        err << result.message << '\n';
        return false;
    }
    out << what << " written to " << std::filesystem::absolute(path).string() << '\n';
    return true;
}

// The report pages need Qt's fonts and painting; without a display they render offscreen.
bool WritePdf(const std::string& path, const CalcTable& table, int colourChoice, std::ostream& out,
              std::ostream& err) {
    std::unique_ptr<QGuiApplication> application;
    if (!QGuiApplication::instance()) {
        if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
            setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "dolmeta";
        static char* argv[] = {name, nullptr};
        application = std::make_unique<QGuiApplication>(argc, argv);
    }
    const ReportOutcome outcome = WriteReportPdf(path, table, colourChoice);
    if (!outcome.Succeeded()) {
        err << outcome.message << '\n';
        return false;
    }
    out << "report pages written to " << std::filesystem::absolute(path).string() << '\n';
    return true;
}

}  // namespace

int RunBatch(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
             const CalculationRun& run) {
    std::string error;
    const auto options = ParseArguments(arguments, error);
    if (!options) {
        err << "dolmeta: " << error << '\n' << kUsage;
        return kFailed;
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

    CalcTable table;
    // The figure controls a file holds act on the figures as on the window, before the run.
    SetFigureFontSize(table, conditions.figureFontSize);
    SetFigureColours(table, conditions.figureColours);
    StreamMessenger messenger(err);
    switch (run(conditions, table, messenger)) {
        case RunResult::Completed:
            break;
        case RunResult::CheckFailed:
            return kCheckFailed;
        case RunResult::ConversionError:
            return kFailed;
    }

    bool written = true;
    if (!options->textPath.empty())
        written &= Report(WriteTextReport(options->textPath, table), "text report",
                          options->textPath, out, err);
    if (!options->jsonPath.empty())
        written &= Report(WriteJsonReport(options->jsonPath, table, messenger.messages),
                          "JSON report", options->jsonPath, out, err);
    if (!options->pdfPath.empty())
        written &= WritePdf(options->pdfPath, table, conditions.figureColours, out, err);
    return written ? kCompleted : kFailed;
}

int RunBatch(int argc, char** argv) {
    return RunBatch(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
