// The program as a process of its own (the host probe): real start-up, the real error
// box, real exit codes.
#include <windows.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

struct ProbeRun {
  DWORD exitCode = 0;
  bool finished = false;
  std::string output;  // GBK lines
};

ProbeRun RunProbe(const wchar_t* mode) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring dir(self);
  dir.resize(dir.find_last_of(L'\\'));
  std::wstring exe = dir + L"\\host_probe.exe";
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::wstring out = std::wstring(temp) + L"host_probe_" + mode + L".txt";
  DeleteFileW(out.c_str());

  std::wstring line = L"\"" + exe + L"\" " + mode + L" \"" + out + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  ProbeRun run;
  if (!CreateProcessW(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return run;
  if (WaitForSingleObject(pi.hProcess, 30000) == WAIT_OBJECT_0) {
    run.finished = true;
    GetExitCodeProcess(pi.hProcess, &run.exitCode);
  } else {
    TerminateProcess(pi.hProcess, 1);
  }
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  FILE* f = _wfopen(out.c_str(), L"rb");
  if (f) {
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof(buf), f)) > 0) run.output.append(buf, n);
    fclose(f);
  }
  return run;
}

TEST(WholeProgram, MissingStartWindowShowsTheRealErrorBoxAndExitsMinusOne) {
  ProbeRun run = RunProbe(L"no-start-window");
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 0xFFFFFFFFu);
  EXPECT_EQ(run.output,
            "caption 错误\n"
            "text 运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n\n");
}

TEST(WholeProgram, TheMainWindowComesUpAndClosingItEndsWithZero) {
  ProbeRun run = RunProbe(L"close-main");
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_EQ(run.output,
            "caption 青禾简易表格生成器\n"
            "menu items 5\n"
            "visible 1\n"
            "loop ended\n"
            "exit routine\n");
}

TEST(WholeProgram, EndFromAnotherThreadEndsOnTheGuiThreadWithItsCode) {
  ProbeRun run = RunProbe(L"end-from-thread");
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 7u);
  EXPECT_EQ(run.output, "ending from another thread\nexit routine\n");
}

}  // namespace
