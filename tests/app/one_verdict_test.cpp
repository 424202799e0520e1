// One verdict everywhere: over random designs, a single batch run's exit status, the colour of
// its verdict label, the sweep's exit status and its table's column say the same.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "app/batch.h"
#include "app/batch_study.h"
#include "files/cp932.h"
#include "tests/calc/random_design.h"

TEST(OneVerdict, SingleRunAndSweepAgreeOverRandomDesigns) {
    constexpr int kDesigns = 2000;
    std::mt19937 random(2121);
    int passing = 0, warnedOnly = 0;
    for (int n = 0; n < kDesigns; ++n) {
        const DesignConditions design = random_design::RandomDesign(random);
        SCOPED_TRACE("design " + std::to_string(n));

        CalcTable table;
        std::vector<std::string> shown;
        std::ostringstream out, err;
        const int single = RunBatch(
            {"--batch"}, out, err, [&](const DesignConditions&, CalcTable& t, Messenger& m) {
                RecordingMessenger recording;
                const RunResult result = RunCalculation(design, t, recording);
                for (const std::string& text : recording.messages) m.Inform(text);
                shown = recording.messages;
                table = t;
                return result;
            });

        // The design as the one value of a sweep over an input it already has.
        StudyOptions options;
        std::string error;
        ASSERT_TRUE(
            AddSweep(options, "gammaA=" + design.gammaA + ":" + design.gammaA + ":1", error))
            << error;
        options.csvPath = "-";
        std::ostringstream csv, said;
        const std::atomic<bool> cancel{false};
        const int sweep = RunStudy(design, options, csv, said, cancel, false);
        const std::string rows = FromCp932(csv.str());
        // The row after the lines naming the design, the empty line and the header.
        const auto row = rows.find("\r\n", rows.find("\r\n\r\n") + 4) + 2;
        const auto verdictAt = rows.find(',', rows.find(',', row) + 1) + 1;
        const std::string verdict = rows.substr(verdictAt, rows.find(',', verdictAt) - verdictAt);

        ASSERT_EQ(single == 0, sweep == 0) << single << " " << sweep << "\n" << err.str();
        ASSERT_EQ(verdict == "OK", single == 0) << verdict;
        if (single == 1 || single == 2) continue;
        ASSERT_EQ(table.labels.at("Label97").colour == colours::blue, single == 0);
        passing += single == 0;
        warnedOnly += single == 3 && table.labels.at("Label97").text == "許容応力度内";
        if (single == 3 && shown.empty()) {
            ASSERT_EQ(table.labels.at("Label97").text, "許容応力度を超えました。");
        }
    }
    EXPECT_GT(passing, kDesigns / 4);
    // Designs whose sections pass but a stage warned (most often an unusual stress type).
    EXPECT_GT(warnedOnly, 0);
}
