// A study's base conditions checked on the entries it does not vary.
#include "calc/study/base_failure.h"

#include <gtest/gtest.h>

#include <functional>

#include "calc/study/sizing.h"

TEST(FailureOutsideStudy, OnlyWhatTheStudyLeavesAsItIsCounts) {
    using D = DesignConditions;
    const ConditionEntry cover[] = {&D::h1};
    const ConditionEntry pavement[] = {&D::ha};
    struct Case {
        const char* name;
        std::function<void(D&)> edit;
        std::span<const ConditionEntry> varied;
        std::optional<RunResult> status;
        std::vector<std::string> messages;
    } cases[] = {
        {"defaults", [](D&) {}, cover, std::nullopt, {}},
        {"σca below its bound",
         [](D& d) { d.sigmaCa = "5.0"; },
         cover,
         RunResult::CheckFailed,
         {"σcaがおかしいです。\n訂正して下さい。"}},
        {"pavement no number",
         [](D& d) { d.ha = "abc"; },
         cover,
         RunResult::ConversionError,
         {"'abc' は有効な数値ではありません。（舗装厚）"}},
        {"the varied entry no number in the file", [](D& d) { d.h1 = "abc"; }, cover, {}, {}},
        {"a check that reads the varied entry",
         [](D& d) {
             d.h1 = "0.3";
             d.ha = "0.5";
         },
         pavement,
         std::nullopt,
         {}},
        {"the same check with another entry varied",
         [](D& d) {
             d.h1 = "0.3";
             d.ha = "0.5";
         },
         std::span<const ConditionEntry>(),
         RunResult::CheckFailed,
         {"土かぶりがおかしいです。\n訂正して下さい。"}},
        // Sizing sets the thicknesses, so a cover beyond half the slab is its own business;
        // a cover below the minimum and an absurd allowable are the file's.
        {"sizing: cover beyond half the top slab",
         [](D& d) { d.dTop = "0.3"; },
         kSizedEntries,
         std::nullopt,
         {}},
        {"sizing: cover below the minimum and σsa for laps far too high",
         [](D& d) {
             d.dTop = "0.01";
             d.sigmaSaJoint = "1e10";
         },
         kSizedEntries,
         RunResult::CheckFailed,
         {"頂版のかぶりがおかしいです。\n訂正して下さい。",
          "σsa(継手)がおかしいです（0＜σsa(継手)≦1000 N/mm2）。\n訂正して下さい。"}},
    };
    for (const Case& c : cases) {
        D base;
        c.edit(base);
        const auto failure = FailureOutsideStudy(base, c.varied);
        ASSERT_EQ(failure.has_value(), c.status.has_value()) << c.name;
        if (!failure) continue;
        EXPECT_EQ(failure->status, *c.status) << c.name;
        EXPECT_EQ(failure->messages, c.messages) << c.name;
    }
}
