// Batch studies: the options, the progress line and what is printed and written.
#include "app/batch_study.h"

#include <csignal>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <iostream>
#include <mutex>
#include <sstream>

#include "calc/drawing/title_block.h"
#include "calc/study/sizing.h"
#include "calc/study/study_names.h"
#include "files/design_file.h"
#include "files/study_csv.h"

namespace {

constexpr int kCompleted = 0;
constexpr int kFailed = 1;
constexpr int kSomeFail = 3;

std::atomic<bool> interrupted{false};  // lock-free, so a signal handler may set it
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void OnInterrupt(int) {
    interrupted = true;
}

StudyControl Control(const std::atomic<bool>& cancel, std::ostream& err, bool showProgress,
                     const char* what) {
    StudyControl control;
    control.cancel = &cancel;
    if (showProgress)
        control.progress = [&err, what](std::size_t done, std::size_t total) {
            err << '\r' << what << ' ' << done << '/' << total << std::flush;
        };
    return control;
}

void EndProgress(std::ostream& err, bool showProgress) {
    if (showProgress) err << "\r\033[K" << std::flush;
}

std::string Fixed(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Governing(const DesignResult& result) {
    if (result.governingSection < 0) return "-";
    return Fixed(result.maxUtilisation, 3) + " (" + DesignSectionNames()[result.governingSection] +
           " " + CriterionName(result.governingCriterion) + ")";
}

// Stages one output and commits it, never over the design file read; says why not.
bool Written(const StudyOptions& options, std::ostream& out, std::ostream& err,
             const std::function<FileResult(FileCommit&)>& stage) {
    FileCommit commit(&out);
    if (!options.inputFile.empty()) commit.KeepUnchanged(options.inputFile);
    const FileResult written = CommitWhenStaged(commit, stage(commit));
    if (!written.ok())
        err << written.message << "\nno output written; earlier files are unchanged\n";
    return written.ok();
}

int Sweep(const DesignConditions& conditions, const StudyOptions& options, std::ostream& out,
          std::ostream& err, const std::atomic<bool>& cancel, bool showProgress) {
    std::vector<StudyRow> rows = SweepRows(options.sweeps);
    const bool complete =
        EvaluateRows(conditions, options.sweeps, rows, Control(cancel, err, showProgress, "sweep"));
    EndProgress(err, showProgress);
    if (!complete) {
        err << "dolmeta: interrupted; nothing written\n";
        return kInterrupted;
    }
    std::size_t passing = 0;
    const StudyRow* worst = nullptr;
    for (const StudyRow& row : rows) {
        if (DesignPasses(row.result)) ++passing;
        if (row.result.status == RunResult::Completed &&
            (!worst || row.result.maxUtilisation > worst->result.maxUtilisation))
            worst = &row;
    }
    if (options.csvPath) {
        std::vector<std::string> names;
        for (const SweepRange& range : options.sweeps) names.push_back(range.input->name);
        if (!Written(options, out, err, [&](FileCommit& commit) {
                const StudySubject subject{
                    std::filesystem::path(options.inputFile).filename().string(), conditions,
                    DateText(std::time(nullptr))};
                return WriteStudyCsv(commit, *options.csvPath, subject, names, rows);
            }))
            return kFailed;
    }
    std::ostream& report = options.csvPath == "-" ? err : out;
    report << rows.size() << " designs, " << passing << " pass";
    if (worst) {
        report << "; largest utilisation " << Governing(worst->result) << " at";
        for (std::size_t k = 0; k < options.sweeps.size(); ++k)
            report << ' ' << options.sweeps[k].input->name << '=' << worst->values[k];
    }
    report << '\n';
    if (options.csvPath && *options.csvPath != "-")
        report << "study table written to " << std::filesystem::absolute(*options.csvPath).string()
               << '\n';
    return passing == rows.size() ? kCompleted : kSomeFail;
}

int Size(const DesignConditions& conditions, const StudyOptions& options, std::ostream& out,
         std::ostream& err, const std::atomic<bool>& cancel, bool showProgress) {
    std::vector<std::string> covers;  // none: the file's own cover
    if (!options.sweeps.empty())
        for (const StudyRow& row : SweepRows(options.sweeps)) covers.push_back(row.values[0]);
    std::string error;
    const auto sized =
        SizeBox(conditions, covers, Control(cancel, err, showProgress, "sizing"), error);
    EndProgress(err, showProgress);
    if (!sized) {
        if (!error.empty()) {
            err << error << '\n';
            return kFailed;
        }
        err << "dolmeta: interrupted; nothing written\n";
        return kInterrupted;
    }
    if (!sized->found) {
        err << "dolmeta: no box with members of 0.20 to 1.50 m passes at every cover\n";
        return kSomeFail;
    }
    const DesignConditions& box = sized->sized;
    std::ostream& report = options.outPath == "-" ? err : out;
    report << "thinnest box: Tu=" << box.Tu << " TL=" << box.TL << " Tb=" << box.Tb
           << " m, B=" << box.B << " H=" << box.H << " m\n"
           << "governing cover h1=" << sized->governingCover << " m, utilisation "
           << Governing(sized->governing) << '\n';
    if (options.outPath) {
        if (!Written(options, out, err, [&](FileCommit& commit) {
                return SaveDesignConditions(commit, *options.outPath, box);
            }))
            return kFailed;
        if (*options.outPath != "-")
            report << "sized design written to "
                   << std::filesystem::absolute(*options.outPath).string() << '\n';
    }
    return kCompleted;
}

}  // namespace

bool AddSweep(StudyOptions& options, const std::string& text, std::string& error) {
    const auto range = ParseSweepRange(text, error);
    if (!range) return false;
    for (const SweepRange& earlier : options.sweeps)
        if (earlier.input == range->input) {
            error = "--sweep " + std::string(range->input->name) + " given twice";
            return false;
        }
    if (options.sweeps.size() == 2) {
        error = "--sweep given more than twice";
        return false;
    }
    options.sweeps.push_back(*range);
    return true;
}

bool CheckStudyOptions(const StudyOptions& options, std::string& error) {
    std::size_t designs = 1;
    for (const SweepRange& range : options.sweeps) designs *= RangeValues(range).size();
    if (designs > kMaxSweepDesigns)
        error = "--sweep: more than " + std::to_string(kMaxSweepDesigns) + " designs";
    else if (options.csvPath && options.sweeps.empty())
        error = "--csv needs --sweep";
    else if (options.outPath && !options.size)
        error = "--out needs --size";
    else if (options.size && options.csvPath)
        error = "--size writes no table; leave out --csv";
    else if (options.size &&
             (options.sweeps.size() > 1 ||
              (!options.sweeps.empty() && options.sweeps[0].input->field != &DesignConditions::h1)))
        error = "--size takes one cover range, --sweep h1=FROM:TO:STEP";
    return error.empty();
}

std::string StudyUsage() {
    std::ostringstream text;
    text << "studies:\n"
            "  --sweep NAME=FROM:TO:STEP   vary an input; twice for a grid of designs\n"
            "  --csv PATH                  one row a design (CP932, CR LF); - for standard "
            "output\n"
            "  --size                      the thinnest Tu, TL, Tb (0.20-1.50 m in 50 mm steps)\n"
            "                              passing at every cover of --sweep h1=... (or the\n"
            "                              file's cover); B and H follow, the opening stays\n"
            "  --out PATH.dat              write the sized design\n"
            "  exit status: 0 all pass, 3 a design fails, 1 a file error, 130 interrupted\n"
            "names for --sweep:\n";
    for (const NumericInput& input : NumericInputs()) {
        std::string name = input.name;
        name.resize(14, ' ');
        text << "  " << name << input.meaning << '\n';
    }
    return text.str();
}

int RunStudy(const DesignConditions& conditions, const StudyOptions& options, std::ostream& out,
             std::ostream& err, const std::atomic<bool>& cancel, bool showProgress) {
    return options.size ? Size(conditions, options, out, err, cancel, showProgress)
                        : Sweep(conditions, options, out, err, cancel, showProgress);
}

int RunStudyUntilInterrupted(const DesignConditions& conditions, const StudyOptions& options,
                             std::ostream& out, std::ostream& err, bool showProgress) {
    interrupted = false;
    struct sigaction action {};
    struct sigaction previous {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previous);
    const int status = RunStudy(conditions, options, out, err, interrupted, showProgress);
    sigaction(SIGINT, &previous, nullptr);
    return status;
}
