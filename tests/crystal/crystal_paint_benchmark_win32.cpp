// One full paint of the updater's bar on a real window, 380 x 40: the picture, the caption drawn
// twice, the copy to the window. And a whole position change as the download makes it, with the
// control's own repaint.
#include <windows.h>
#include <commctrl.h>

#include <benchmark/benchmark.h>

#include "crystal/crystal_paint_win32.h"
#include "crystal/crystal_progress_bar_win32.h"
#include "crystal/crystal_resources_win32.h"
#include "host/services.h"
#include "host/unique_win32.h"

namespace {

// The updater's bar: green, its caption, on a visible window.
class UpdaterBar {
 public:
  UpdaterBar()
      : parent_(CreateWindowExW(0, L"STATIC", L"benchmark", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 50, 50,
                                420, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)) {
    bar_.create(parent_.get(), 10, 10, 380, 40);
    bar_.setRange(0, 100);
    bar_.setColorStyle(4);
    bar_.setText(5, "程序升级中，请稍等，目前已完成： ");
  }
  crystal::CrystalProgressBar& bar() { return bar_; }

 private:
  host::UniqueWindow parent_;
  crystal::CrystalProgressBar bar_;
};

// Per second of wall time: much of the work is done by Wine's server and the X server.
void rate(benchmark::State& state, const char* what) {
  state.counters[what] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void paintUpdaterBar(benchmark::State& state) {
  UpdaterBar updater;
  HWND window = updater.bar().getHandle();
  for (auto _ : state) crystal::paintCrystalProgress(window, nullptr);
  rate(state, "paints");
}
BENCHMARK(paintUpdaterBar)->UseRealTime();

void setPosition(benchmark::State& state) {
  UpdaterBar updater;
  int position = 0;
  for (auto _ : state) {
    position = (position + 1) % 101;
    updater.bar().setPos(position);
  }
  rate(state, "changes");
}
BENCHMARK(setPosition)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  host::initialise();
  crystal::initialiseCrystalModule();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
