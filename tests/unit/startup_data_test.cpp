#include "shell/startup_data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_controls.h"
#include "fake_os.h"
#include "shell/help_page.h"
#include "shell/main_window_setup.h"
#include "shell/program_state.h"

namespace {

using fake::Row;
using Rows = std::vector<Row>;

TEST(RunDirectory, IsTheExecutablesFolderWithoutTrailingBackslash) {
    struct Case {
        std::string modulePath;
        std::string runDirectory;
    };
    const Case cases[] = {
        {"D:\\Tools\\Quorvane.exe", "D:\\Tools"},
        {"D:\\Quorvane.exe", "D:"},
        {"C:\\a\\b\\c\\Quorvane.exe", "C:\\a\\b\\c"},
        {"\\\\server\\share\\Quorvane.exe", "\\\\server\\share"},
        // 乗 is 81 5C: its trail byte is a backslash that separates nothing.
        {"D:\\\x81\x5C\\Quorvane.exe", "D:\\\x81\x5C"},
        {"D:\\\x81\x5CQuorvane.exe", "D:"},
        {"Quorvane.exe", ""},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RunDirectoryOf(c.modulePath), c.runDirectory) << c.modulePath;
}

TEST(RunDirectory, BecomesTheCurrentDirectoryAndARootStaysTheRoot) {
    fake::Reset();
    fake::TheOs().modulePath = "D:\\Tools\\Quorvane.exe";
    MakeRunDirectoryCurrent();
    fake::TheOs().modulePath = "D:\\Quorvane.exe";
    MakeRunDirectoryCurrent();
    EXPECT_EQ(fake::TheOs().Lines({"cd"}), (std::vector<std::string>{"cd D:\\Tools", "cd D:\\"}));
}

class StartupData : public ::testing::Test {
protected:
    const std::string listPath = "D:\\Tools\\默认频道.txt";
    const std::string iniPath = "D:\\Tools\\load.ini";
    fake::Rows rows;
    fake::TextBox password{"form text"};
    fake::TextBox frequency{"form text"};

    void SetUp() override {
        fake::Reset();
        fake::TheOs().modulePath = "D:\\Tools\\Quorvane.exe";
        CreateProgramState();
        Program().mainWindow.channelList = &rows;
    }
    void TearDown() override { ReleaseProgramState(); }
    void Ini(const char* key, std::string value) { fake::TheOs().ini[iniPath + "|load|" + key] = std::move(value); }
};

TEST_F(StartupData, WithoutEitherFileTheListAndBothBoxesAreEmpty) {
    LoadDefaultList();
    LoadSettings(password, frequency);
    EXPECT_EQ(rows.rows, Rows{});
    EXPECT_EQ(password.text, "");
    EXPECT_EQ(frequency.text, "");
    EXPECT_EQ(fake::TheOs().Lines({"box"}), std::vector<std::string>{});
}

TEST_F(StartupData, DefaultListFillsTheRowsWithoutAsking) {
    fake::TheOs().files[listPath] = "a\r\nb|锁|\r\n";
    LoadDefaultList();
    EXPECT_EQ(rows.rows, (Rows{{"a", 0}, {"b", 1}}));
    EXPECT_EQ(fake::TheOs().Lines({"box"}), std::vector<std::string>{});
}

TEST_F(StartupData, DefaultListEndsAtItsFirstZeroByte) {
    fake::TheOs().files[listPath] = std::string("a\r\nbe\0fore\r\nc\r\n", 15);
    LoadDefaultList();
    EXPECT_EQ(rows.rows, (Rows{{"a", 0}, {"be", 0}}));
}

TEST_F(StartupData, SettingsFillTheBoxesAndAMissingKeyEmptiesItsBox) {
    Ini("频率", "3000");
    fake::TheOs().ini[iniPath + "|other|密码"] = "not this one";
    LoadSettings(password, frequency);
    EXPECT_EQ(password.text, "");
    EXPECT_EQ(frequency.text, "3000");
}

TEST_F(StartupData, SettingsAreCutToTheReadersBuffer) {
    Ini("密码", std::string(20000, 'x'));
    LoadSettings(password, frequency);
    EXPECT_EQ(password.text, std::string(10239, 'x'));
}

TEST_F(StartupData, MainWindowIsKnownBeforeTheListLoadsAndTheKeysAreF3ThenF4) {
    Program().mainWindow = {};
    fake::TheOs().files[listPath] = "a|锁|\r\n";
    Ini("密码", "pw");
    Ini("频率", "500");
    os::Hwnd window = fake::TheOs().AddTopWindow("main", "QuorvaneForm", "Quorvane");
    fake::FileChooser chooser;
    SetUpMainWindow({window, &rows, &password, &frequency, &chooser});

    EXPECT_EQ(fake::TheOs().Lines({"hotkey"}),
              (std::vector<std::string>{"hotkey main 1 0 0x72", "hotkey main 2 0 0x73"}));
    EXPECT_EQ(rows.rows, (Rows{{"a", 1}}));
    EXPECT_EQ(password.text, "pw");
    EXPECT_EQ(frequency.text, "500");
    const MainWindowControls& known = Program().mainWindow;
    EXPECT_EQ(known.window, window);
    EXPECT_EQ(known.passwordBox, &password);
    EXPECT_EQ(known.frequencyBox, &frequency);
    EXPECT_EQ(known.fileChooser, &chooser);

    ForgetMainWindow();
    EXPECT_EQ(Program().mainWindow.window, nullptr);
    EXPECT_EQ(Program().mainWindow.channelList, nullptr);
    EXPECT_EQ(Program().mainWindow.passwordBox, nullptr);
}

TEST(HelpPage, BothButtonsOpenTheOneAddressOnTheMakersHost) {
    fake::Reset();
    EXPECT_EQ(HelpPageAddress(), std::string(QUORVANE_HELP_HOST) + "/soft/read.php?tid=2");
    OpenHelpPage(HelpPageAddress());
    EXPECT_EQ(fake::TheOs().Lines({"open"}), std::vector<std::string>{"open " + HelpPageAddress()});
}

}  // namespace
