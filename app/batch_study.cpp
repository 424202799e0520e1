// Batch studies: the options, the progress line and what is printed and written.
#include "app/batch_study.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <thread>

#include "app/batch_messages.h"
#include "app/memory_room.h"
#include "calc/decimal.h"
#include "calc/drawing/title_block.h"
#include "calc/study/base_failure.h"
#include "calc/study/cover_study.h"
#include "calc/study/sizing.h"
#include "calc/study/study_names.h"
#include "files/design_file.h"
#include "files/study_csv.h"

namespace {

constexpr int kCompleted = 0;
constexpr int kFailed = 1;
constexpr int kCheckFailed = 2;
constexpr int kSomeFail = 3;

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

std::string Governing(int section, Criterion criterion, double utilisation) {
    if (section < 0) return "-";
    return Fixed(utilisation, 3) + "（" + DesignSectionNames()[section] + " " +
           CriterionName(criterion) + "）";
}

int Interrupted(std::ostream& err) {
    TellInterrupted(err);
    return kInterrupted;
}

// Whether a study that holds `bytes` fits in the memory left to the process; says why not.
// Each worker thread also takes its stack and reserves an allocation arena.
bool Fits(std::size_t bytes, std::ostream& err) {
    constexpr std::size_t kMegabyte = 1 << 20;
    const std::size_t threads = std::thread::hardware_concurrency();
    const std::size_t data = bytes + threads * 8 * kMegabyte;
    const std::size_t reserved = data + threads * 64 * kMegabyte;
    const MemoryRoom room = AvailableMemory();
    const auto tooLittle = [](const std::optional<std::size_t>& available, std::size_t needed) {
        return available && *available < needed;
    };
    if (!tooLittle(room.data, data) && !tooLittle(room.addressSpace, reserved)) return true;
    const bool dataShort = tooLittle(room.data, data);
    const std::size_t available = dataShort ? *room.data : *room.addressSpace;
    const std::size_t needed = dataShort ? data : reserved;
    err << "この検討には約 " << (needed + kMegabyte - 1) / kMegabyte
        << " MB のメモリーが必要ですが、使えるのは約 " << available / kMegabyte
        << " MB です。範囲を狭めるか刻みを大きくして下さい。\n";
    return false;
}

// Stages one output and commits it, never over the design file read; says why not. The
// exit status: completed, a file error, or interrupted.
int Written(const StudyOptions& options, std::ostream& out, std::ostream& err,
            const std::atomic<bool>& cancel, const std::function<FileResult(FileCommit&)>& stage) {
    FileCommit commit(&out, &cancel);
    if (!options.inputFile.empty()) commit.KeepUnchanged(options.inputFile);
    const FileResult written = CommitWhenStaged(commit, stage(commit));
    if (written.status == FileStatus::Interrupted) return Interrupted(err);
    if (written.ok()) return kCompleted;
    TellNothingWritten(written, err);
    return kFailed;
}

int Sweep(const DesignConditions& conditions, const StudyOptions& options, std::ostream& out,
          std::ostream& err, const std::atomic<bool>& cancel, bool showProgress) {
    if (!Fits(StudyTable::Footprint(options.sweeps), err)) return kFailed;
    const auto table = std::make_unique<StudyTable>(options.sweeps);
    const bool complete =
        EvaluateRows(conditions, *table, Control(cancel, err, showProgress, "設計検討"));
    EndProgress(err, showProgress);
    if (!complete) return Interrupted(err);
    std::size_t passing = 0;
    std::optional<std::size_t> worst;
    for (std::size_t i = 0; i < table->size(); ++i) {
        const StudyRow& row = (*table)[i];
        if (row.passed) ++passing;
        if (row.status == RunResult::Completed &&
            (!worst || row.maxUtilisation > (*table)[*worst].maxUtilisation))
            worst = i;
    }
    if (options.csvPath) {
        const StudySubject subject{std::filesystem::path(options.inputFile).filename().string(),
                                   conditions, DateText(std::time(nullptr))};
        if (const int status = Written(options, out, err, cancel,
                                       [&](FileCommit& commit) {
                                           return WriteStudyCsv(commit, *options.csvPath, subject,
                                                                *table);
                                       });
            status != kCompleted)
            return status;
    }
    std::ostream& report = options.csvPath == "-" ? err : out;
    report << "設計 " << table->size() << " 件、判定 OK " << passing << " 件。";
    if (worst) {
        const StudyRow& row = (*table)[*worst];
        report << "最大応力度比は";
        const std::vector<std::string> values = table->Values(*worst);
        for (std::size_t k = 0; k < options.sweeps.size(); ++k)
            report << ' ' << options.sweeps[k].input->name << '=' << values[k];
        report << " の "
               << Governing(row.governingSection, row.governingCriterion, row.maxUtilisation)
               << "。";
    }
    report << '\n';
    if (options.csvPath && *options.csvPath != "-")
        TellWritten(report, "設計検討CSV", *options.csvPath);
    return passing == table->size() ? kCompleted : kSomeFail;
}

int Size(const DesignConditions& conditions, const StudyOptions& options, std::ostream& out,
         std::ostream& err, const std::atomic<bool>& cancel, bool showProgress) {
    if (!options.sweeps.empty() && !Fits(SizingFootprint(ValueCount(options.sweeps[0])), err))
        return kFailed;
    // None: the file's own cover.
    const std::vector<std::string> covers =
        options.sweeps.empty() ? std::vector<std::string>{} : RangeTexts(options.sweeps[0]);
    std::string error;
    const auto sized =
        SizeBox(conditions, covers, Control(cancel, err, showProgress, "最小部材厚"), error);
    EndProgress(err, showProgress);
    if (!sized) {
        if (!error.empty()) {
            err << error << '\n';
            return kFailed;
        }
        return Interrupted(err);
    }
    if (!sized->found) {
        err << "部材厚 0.20～1.50 m のどのボックスも、すべての土かぶりで OK にはなりません。\n";
        return kSomeFail;
    }
    const DesignConditions& box = sized->sized;
    std::ostream& report = options.outPath == "-" ? err : out;
    report << "最小部材厚: Tu=" << box.Tu << " TL=" << box.TL << " Tb=" << box.Tb
           << (box.cells > 1 ? " Tm=" + box.Tm : "") << " m、B=" << box.B << " H=" << box.H
           << " m\n"
           << "支配する土かぶり: h1=" << CoverText(ParseDouble(sized->governingCover, "h1"))
           << " m、最大応力度比 "
           << Governing(sized->governing.governingSection, sized->governing.governingCriterion,
                        sized->governing.maxUtilisation)
           << '\n';
    if (options.outPath) {
        if (const int status = Written(options, out, err, cancel,
                                       [&](FileCommit& commit) {
                                           return SaveDesignConditions(commit, *options.outPath,
                                                                       box);
                                       });
            status != kCompleted)
            return status;
        if (*options.outPath != "-")
            TellWritten(report, "最小部材厚の設計条件ファイル", *options.outPath);
    }
    return kCompleted;
}

// The entries the study gives values of its own.
std::vector<ConditionEntry> VariedEntries(const StudyOptions& options) {
    std::vector<ConditionEntry> varied;
    for (const SweepRange& range : options.sweeps) varied.push_back(range.input->field);
    if (options.size)
        varied.insert(varied.end(), std::begin(kSizedEntries), std::end(kSizedEntries));
    return varied;
}

}  // namespace

bool AddSweep(StudyOptions& options, const std::string& text, std::string& error) {
    const auto range = ParseSweepRange(text, error);
    if (!range) return false;
    for (const SweepRange& earlier : options.sweeps)
        if (earlier.input == range->input) {
            error = "--sweep " + std::string(range->input->name) + " が二度指定されています。";
            return false;
        }
    if (options.sweeps.size() == 2) {
        error = "--sweep は二つまでです。";
        return false;
    }
    options.sweeps.push_back(*range);
    return true;
}

bool CheckStudyOptions(const StudyOptions& options, std::string& error) {
    std::size_t designs = 1;
    for (const SweepRange& range : options.sweeps) designs *= ValueCount(range);
    if (designs > kMaxSweepDesigns)
        error = "--sweep の組合せは " + std::to_string(kMaxSweepDesigns) + " 件までです。";
    else if (options.csvPath && options.sweeps.empty())
        error = "--csv には --sweep が必要です。";
    else if (options.outPath && !options.size)
        error = "--out には --size が必要です。";
    else if (options.size && options.csvPath)
        error = "--size は表を書き出しません。--csv を外して下さい。";
    else if (options.size &&
             (options.sweeps.size() > 1 ||
              (!options.sweeps.empty() && options.sweeps[0].input->field != &DesignConditions::h1)))
        error = "--size で変えられるのは土かぶりだけです（--sweep h1=FROM:TO:STEP を一つ）。";
    return error.empty();
}

std::string StudyUsage() {
    std::ostringstream text;
    text << "設計検討:\n"
            "  --sweep NAME=FROM:TO:STEP   入力を一つ変えて計算します。二つ指定すると組合せ\n"
            "  --csv PATH                  設計ごとに一行の表（CP932, CR LF）。- で標準出力\n"
            "  --size                      すべての土かぶりで OK となる最小の Tu, TL, Tb、\n"
            "                              セル数2, 3 では Tm も（0.20～1.50 m、50 mm 刻み）。\n"
            "                              土かぶりは --sweep h1=... のもの（なければファイル\n"
            "                              のもの）。各セルの内空はそのままで、B と H が従います\n"
            "  --out PATH.dat              最小部材厚の設計条件を書き込みます\n"
            "  終了ステータス: 0 すべて OK、3 OK でない設計がある、1 ファイルのエラー、\n"
            "  130 中断。検討の前に、検討で変えない入力についてファイルの設計条件を一回の\n"
            "  計算と同じくチェックします: 2 チェックで止まった、1 入力が数値でない\n"
            "--sweep の NAME:\n";
    for (const NumericInput& input : NumericInputs()) {
        std::string name = input.name;
        name.resize(14, ' ');
        text << "  " << name << input.meaning << '\n';
    }
    return text.str();
}

int RunStudy(const DesignConditions& conditions, const StudyOptions& options, std::ostream& out,
             std::ostream& err, const std::atomic<bool>& cancel, bool showProgress) {
    if (const auto failure = FailureOutsideStudy(conditions, VariedEntries(options))) {
        for (const std::string& message : failure->messages) err << message << '\n';
        return failure->status == RunResult::CheckFailed ? kCheckFailed : kFailed;
    }
    return options.size ? Size(conditions, options, out, err, cancel, showProgress)
                        : Sweep(conditions, options, out, err, cancel, showProgress);
}
