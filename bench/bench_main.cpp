// Prints the program's start-up, action, pause, preview and memory figures
// next to baselines measured in the same run, and writes them as CSV.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "program_under_test.h"

using namespace orv::test;

namespace {

double nowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Figure {
  std::string name, unit;
  std::vector<double> runs;
  double baseline = 0;  // median of the baseline, 0 when none
  std::string goal;
};

double median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

double spread(const std::vector<double>& v) {
  if (v.empty()) return 0;
  auto [lo, hi] = std::minmax_element(v.begin(), v.end());
  return *hi - *lo;
}

// Process start to the named window being visible.
double startupMs(const std::string& exe, const std::string& title) {
  const std::string folder = freshFolder("bench-start");
  const std::string copy = folder + "\\" + exe.substr(exe.find_last_of('\\') + 1);
  CopyFileA(exe.c_str(), copy.c_str(), FALSE);
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::string command = "\"" + copy + "\"";
  const double start = nowMs();
  if (!CreateProcessA(copy.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &si, &pi))
    return -1;
  HWND window = waitForTopLevel(pi.dwProcessId, title, "", 30000);
  const double elapsed = nowMs() - start;
  if (window) PostMessageA(window, WM_CLOSE, 0, 0);
  WaitForSingleObject(pi.hProcess, 10000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  removeTree(folder);
  return window ? elapsed : -1;
}

// Click to the status label's text changing; minus the pause where the action has one.
double actionMs(ProgramUnderTest& app, int radio, int button, double pauseMs) {
  if (radio) {
    app.click(radio);
    app.settle();
  }
  app.setText(kStatusLabel, "");
  const double start = nowMs();
  app.click(button);
  while (app.text(kStatusLabel).empty() && nowMs() - start < 20000) Sleep(1);
  return nowMs() - start - pauseMs;
}

void makeGameFolder(const std::string& game) {
  CreateDirectoryA((game + "\\upimg").c_str(), nullptr);
  CreateDirectoryA((game + "\\menu").c_str(), nullptr);
  CreateDirectoryA((game + "\\menu\\Skins").c_str(), nullptr);
  CreateDirectoryA((game + "\\menu\\Skins\\default").c_str(), nullptr);
}

double plainCopyMs(const std::vector<std::string>& sources, const std::string& folder) {
  const double start = nowMs();
  int n = 0;
  for (const std::string& s : sources)
    CopyFileA(s.c_str(), (folder + "\\copy" + std::to_string(n++)).c_str(), FALSE);
  return nowMs() - start;
}

double cpuMs(HANDLE process) {
  FILETIME c, e, k, u;
  GetProcessTimes(process, &c, &e, &k, &u);
  auto ms = [](FILETIME t) {
    return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
                               t.dwLowDateTime) /
           10000.0;
  };
  return ms(k) + ms(u);
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
  const std::string gen = windowsPath(ORV_GEN_DIR);
  std::vector<Figure> figures;

  Figure start{"start-up to skinned window shown", "ms"};
  std::vector<double> empty;
  for (int i = 0; i < runs; ++i) {
    start.runs.push_back(startupMs(programFile(), kMainTitle));
    empty.push_back(startupMs(windowsPath(ORV_EMPTY_WINDOW_EXE), "empty"));
  }
  start.baseline = median(empty);
  start.goal = "<= 1.5 x empty window";
  figures.push_back(start);

  const std::vector<std::string> login = {gen + "\\main_img1.bmp", gen + "\\main_img1.bmp",
                                          gen + "\\main_img2.bmp", gen + "\\main_img2.bmp"};
  std::vector<std::string> interface;
  for (const char* id :
       {"btn_11", "btn_12", "btn_13", "btn_14", "btn_15", "btn_16", "btn_17", "btn_18",
        "btn_background_2_c", "form_hotkey_v", "icon_loginlogo_1", "main_en", "main_en_100",
        "main_en_200", "main_en_300", "main_exp", "main_hp", "main_sp", "main_status_1"})
    interface.push_back(gen + "\\" + id + ".bmp");
  const std::vector<std::string> server = {gen + "\\server_ini.ini"};

  Figure loginFig{"Replace, login skin", "ms"}, interfaceFig{"Replace, game interface", "ms"},
      serverFig{"Replace, server list", "ms"}, restoreFig{"Restore", "ms"};
  Figure pauseFig{"CPU during one 2000 ms pause", "% of a core"};
  std::vector<double> copyLogin, copyInterface, copyServer;
  Figure previews[3] = {{"preview switch, login picture", "ms"},
                        {"preview switch, interface", "ms"},
                        {"preview switch, server list", "ms"}};
  Figure memStart{"peak working set after start-up", "MiB"};
  Figure memPreview{"peak working set after the three previews", "MiB"};
  Figure privPreview{"private bytes after the three previews", "MiB"};
  for (int i = 0; i < runs; ++i) {
    ProgramUnderTest app;
    if (!app.window()) {
      std::fprintf(stderr, "bench: the program did not start\n");
      return 1;
    }
    HANDLE process =
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, app.processId());
    PROCESS_MEMORY_COUNTERS_EX mem{};
    GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&mem), sizeof mem);
    memStart.runs.push_back(mem.PeakWorkingSetSize / 1048576.0);
    // Preview switch: click to the repainted picture (the paint is done once the
    // program answers a message sent after the click).
    const int radios[3] = {kRadio1, kRadio2, kRadio3};
    for (int r = 0; r < 3; ++r) {
      const double t = nowMs();
      SendMessageA(app.control(radios[r]), BM_CLICK, 0, 0);
      RedrawWindow(app.control(kPreview), nullptr, nullptr, RDW_UPDATENOW);
      DWORD_PTR ignored;
      SendMessageTimeoutA(app.control(kPreview), WM_NULL, 0, 0, 0, 5000, &ignored);
      previews[r].runs.push_back(nowMs() - t);
    }
    GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&mem), sizeof mem);
    memPreview.runs.push_back(mem.PeakWorkingSetSize / 1048576.0);
    privPreview.runs.push_back(mem.PrivateUsage / 1048576.0);

    const std::string game = freshFolder("bench-game");
    makeGameFolder(game);
    app.setText(kEdit, game);
    loginFig.runs.push_back(actionMs(app, kRadio1, kReplace, 0));
    serverFig.runs.push_back(actionMs(app, kRadio3, kReplace, 0));
    const double cpuBefore = cpuMs(process);
    const double wallBefore = nowMs();
    interfaceFig.runs.push_back(actionMs(app, kRadio2, kReplace, 2000));
    pauseFig.runs.push_back(100.0 * (cpuMs(process) - cpuBefore) / (nowMs() - wallBefore));
    restoreFig.runs.push_back(actionMs(app, 0, kRestore, 2000));
    CloseHandle(process);
    removeTree(game);

    const std::string target = freshFolder("bench-copy");
    copyLogin.push_back(plainCopyMs(login, target));
    copyInterface.push_back(plainCopyMs(interface, target));
    copyServer.push_back(plainCopyMs(server, target));
    removeTree(target);
  }
  loginFig.baseline = median(copyLogin);
  interfaceFig.baseline = median(copyInterface);
  serverFig.baseline = median(copyServer);
  restoreFig.baseline = median(copyInterface);
  for (Figure* f : {&loginFig, &interfaceFig, &serverFig, &restoreFig}) {
    f->goal = "<= 1.5 x plain copy";
    figures.push_back(*f);
  }
  pauseFig.goal = "< 2%";
  figures.push_back(pauseFig);
  for (Figure& p : previews) {
    p.goal = "< 30 ms";
    figures.push_back(p);
  }
  memStart.goal = memPreview.goal = "< 24 MiB";
  figures.push_back(memStart);
  figures.push_back(memPreview);
  figures.push_back(privPreview);
  Figure size{"program file size", "KiB"};
  size.runs.push_back(readFile(programFile()).size() / 1024.0);
  figures.push_back(size);

  std::printf("%-44s %10s %10s %10s %8s  %s\n", "figure", "median", "spread", "baseline", "ratio",
              "goal");
  std::string csv = "figure,unit,median,spread,baseline,ratio,runs,goal\n";
  for (const Figure& f : figures) {
    const double m = median(f.runs);
    const double ratio = f.baseline > 0 ? m / f.baseline : 0;
    std::printf("%-44s %7.2f %-3s%7.2f %10.2f %8.2f  %s\n", f.name.c_str(), m, f.unit.c_str(),
                spread(f.runs), f.baseline, ratio, f.goal.c_str());
    char line[512];
    std::snprintf(line, sizeof line, "%s,%s,%.3f,%.3f,%.3f,%.3f,%zu,%s\n", f.name.c_str(),
                  f.unit.c_str(), m, spread(f.runs), f.baseline, ratio, f.runs.size(),
                  f.goal.c_str());
    csv += line;
  }
  if (argc > 2) writeWholeFile(argv[2], csv);
  return 0;
}
