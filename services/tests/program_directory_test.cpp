#include "services/file_services.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "file_tree.h"
#include "temp_folder.h"

namespace orv::test {
namespace {

std::string ownModulePath() {
  char path[32768] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  return path;
}

TEST(ProgramDirectory, HoldsTheProgramFileAndHasNoTrailingBackslash) {
  const std::string directory = programDirectory();
  ASSERT_FALSE(directory.empty());
  EXPECT_NE(directory.back(), '\\');
  const std::string module = ownModulePath();
  const std::string fileName = module.substr(module.find_last_of('\\') + 1);
  EXPECT_EQ(directory + "\\" + fileName, module);
  EXPECT_NE(attributesOf(directory + "\\" + fileName), INVALID_FILE_ATTRIBUTES);
}

TEST(ProgramDirectory, GivesANewTextEachCall) {
  std::string first = programDirectory();
  const std::string untouched = first;
  first.append("\\changed");
  EXPECT_EQ(programDirectory(), untouched);
}

// The probe program, copied to a folder of the test's choosing, reports what
// programDirectory() gives there.
class ProbeCopy {
 public:
  ProbeCopy(const std::wstring& folder, const std::wstring& name)
      : path_(folder + L"\\" + name + std::to_wstring(GetCurrentProcessId()) + L".exe") {
    const std::string module = ownModulePath();
    const std::string source =
        module.substr(0, module.find_last_of('\\')) + "\\orv_services_probe.exe";
    copied_ = CopyFileW(longPath(source).c_str(), path_.c_str(), FALSE) != FALSE;
  }
  ~ProbeCopy() { DeleteFileW(path_.c_str()); }
  ProbeCopy(const ProbeCopy&) = delete;
  ProbeCopy& operator=(const ProbeCopy&) = delete;

  bool copied() const { return copied_; }

  // Runs the copy; an empty text when it ran well, else what went wrong.
  std::string run(const std::string& report) const {
    // Programs are started by their plain path; only file operations take the
    // long-path prefix.
    const std::wstring program = path_.substr(4);
    std::wstring commandLine = L"\"" + program + L"\" \"" + widen(report) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
      return "<not started, error " + std::to_string(GetLastError()) + ">";
    }
    WaitForSingleObject(process.hProcess, 30000);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code == 0 ? std::string() : "<exit code " + std::to_string(code) + ">";
  }

 private:
  std::wstring path_;
  bool copied_ = false;
};

std::string probeIn(const std::wstring& folder, const TempFolder& scratch,
                    const std::wstring& name = L"orv-probe-") {
  ProbeCopy probe(folder, name);
  if (!probe.copied()) return "<not copied>";
  const std::string report = scratch / "report.txt";
  const std::string failure = probe.run(report);
  if (!failure.empty()) return failure;
  return readFile(report).value_or("<no report>");
}

TEST(ProgramDirectory, OfAProgramInADriveRootIsTheDriveAlone) {
  TempFolder scratch;
  EXPECT_EQ(probeIn(L"\\\\?\\C:", scratch), "C:");
}

TEST(ProgramDirectory, CutsAtABackslashCharacterNotAGbkTrailByte) {
  // "乗" is 0x81 0x5C in GBK: its second byte is the backslash byte. It ends
  // the folder's name and begins the program's.
  TempFolder scratch;
  const std::string folder = scratch / "x\x81\x5c";
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  EXPECT_EQ(probeIn(longPath(folder), scratch, L"\u4e57"), folder);
}

TEST(ProgramDirectory, IsCompleteForAPathLongerThan260Bytes) {
  // Windows measures path limits in characters; in GBK a Chinese character
  // takes two bytes, so a program under 260 characters deep can have a module
  // path of far more than 260 bytes.
  TempFolder scratch;
  std::string skins;
  for (int i = 0; i < 20; ++i) skins += "\xc6\xa4\xb7\xf4";  // 皮肤
  std::string folder = scratch.path();
  for (int level = 0; level < 5; ++level) {
    folder += "\\" + skins;
    ASSERT_TRUE(CreateDirectoryW(longPath(folder).c_str(), nullptr));
  }
  ASSERT_GT(folder.size(), 400u);
  ASSERT_LT(widen(folder).size() + 20, static_cast<std::size_t>(MAX_PATH));
  EXPECT_EQ(probeIn(longPath(folder), scratch), folder);
}

}  // namespace
}  // namespace orv::test
