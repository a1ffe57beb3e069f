#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "runtime/os.h"
#include "runtime/win32/gbk.h"

namespace {

// A fresh folder with a Chinese name (GBK in the program, UTF-16 at the system) per test.
class OsFiles : public ::testing::Test {
protected:
    std::string folder;
    void SetUp() override {
        const std::string exe = os::ModulePath();
        folder = exe.substr(0, exe.rfind('\\')) + "\\文件乗" + std::to_string(GetCurrentProcessId());
        CreateDirectoryW(win::Widen(folder).c_str(), nullptr);
    }
    void TearDown() override {
        for (const std::string& name : Names())
            DeleteFileW(win::Widen(folder + "\\" + name).c_str());
        RemoveDirectoryW(win::Widen(folder).c_str());
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(win::Widen(folder + "\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return names;
        do {
            const std::wstring name = found.cFileName;
            if (name != L"." && name != L"..") names.push_back(win::Narrow(name));
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return names;
    }
    void Write(const std::string& name, const std::string& bytes) {
        HANDLE file =
            CreateFileW(win::Widen(folder + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
};

TEST_F(OsFiles, ReadsWholeFilesAndTellsAMissingOneApart) {
    const std::string bytes = std::string("a\r\n频道\0b", 9) + std::string(100000, 'x');
    Write("默认频道.txt", bytes);
    EXPECT_TRUE(os::ReadWholeFile(folder + "\\默认频道.txt") == bytes);
    Write("empty.txt", "");
    EXPECT_EQ(os::ReadWholeFile(folder + "\\empty.txt"), std::string());
    EXPECT_EQ(os::ReadWholeFile(folder + "\\missing.txt"), std::nullopt);
}

TEST_F(OsFiles, ReplacingPutsTheNewBytesInPlaceAndLeavesNoTemporaryFile) {
    const std::string path = folder + "\\列表.txt";
    ASSERT_TRUE(os::ReplaceFileContents(path, "first"));
    ASSERT_TRUE(os::ReplaceFileContents(path, "频道|锁|\r\n"));
    EXPECT_EQ(os::ReadWholeFile(path), "频道|锁|\r\n");
    EXPECT_EQ(Names(), std::vector<std::string>{"列表.txt"});
    EXPECT_FALSE(os::ReplaceFileContents(folder + "\\no such folder\\x.txt", "x"));
    EXPECT_EQ(Names(), std::vector<std::string>{"列表.txt"});
}

TEST_F(OsFiles, IniValuesComeBackAsTheFilesGbkBytes) {
    Write("load.ini", "[load]\r\n密码=密码乗1\r\n频率=3000\r\nlong=" + std::string(12000, 'v') + "\r\n");
    const std::string ini = folder + "\\load.ini";
    EXPECT_EQ(os::ReadIniValue(ini, "load", "密码", 10240), "密码乗1");
    EXPECT_EQ(os::ReadIniValue(ini, "load", "频率", 10240), "3000");
    EXPECT_TRUE(os::ReadIniValue(ini, "load", "long", 10240) == std::string(10239, 'v'));
    EXPECT_EQ(os::ReadIniValue(ini, "load", "missing", 10240), "");
    EXPECT_EQ(os::ReadIniValue(ini, "other", "密码", 10240), "");
    EXPECT_EQ(os::ReadIniValue(folder + "\\none.ini", "load", "密码", 10240), "");
}

TEST(OsModule, ThePathIsTheRunningExecutable) {
    const std::string path = os::ModulePath();
    EXPECT_TRUE(path.ends_with("win_tests.exe")) << path;
    EXPECT_NE(GetFileAttributesW(win::Widen(path).c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
