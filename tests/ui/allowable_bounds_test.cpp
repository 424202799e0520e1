// The window refuses an allowable beyond any real box as the batch and the studies do.
#include "tests/ui/window_test_support.h"
#include "ui/calc_table_window.h"

TEST(AllowableBounds, TheWindowRefusesWithTheRange) {
    CalcTable table;
    RecordingMessenger messenger;
    CalcTableWindow window{table, messenger, nullptr};
    window.show();
    Type(window.Input(), "Edit3", "1e10");  // σsa for the laps
    Type(window.Input(), "Edit21", "1e6");  // σck
    EXPECT_EQ(window.Run(), RunResult::CheckFailed);
    EXPECT_EQ(messenger.messages,
              (std::vector<std::string>{
                  "σckがおかしいです（0＜σck≦100 N/mm2）。\n訂正して下さい。",
                  "σsa(継手)がおかしいです（0＜σsa(継手)≦1000 N/mm2）。\n訂正して下さい。"}));
    EXPECT_FALSE(table.completedRun);
}
