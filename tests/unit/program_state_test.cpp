#include "shell/program_state.h"

#include <gtest/gtest.h>

TEST(ProgramState, StartsAsTheProgramExpects) {
    CreateProgramState();
    ProgramState& p = Program();
    ASSERT_NE(p.savedCursorPos, nullptr);
    EXPECT_EQ(*p.savedCursorPos, (os::Point{0, 0}));
    EXPECT_NE(p.buttonStrip, nullptr);
    EXPECT_TRUE(p.hotkeyTable.empty());
    EXPECT_EQ(p.hotkeyCount, 0);
    EXPECT_EQ(p.stopRequested, 0);
    EXPECT_EQ(p.editMode, 0);
    EXPECT_EQ(p.channelTreeHandle, nullptr);
    ReleaseProgramState();
}
