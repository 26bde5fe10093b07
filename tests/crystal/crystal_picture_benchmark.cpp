// One paint of the updater's bar as portable logic: the picture and its caption, 380 x 40.
#include <benchmark/benchmark.h>

#include "crystal/crystal_colors.h"
#include "crystal/crystal_picture.h"

namespace {

void renderUpdaterBar(benchmark::State& state) {
  crystal::PixelBuffer buffer(380, 40);
  crystal::CrystalBarState bar{.low = 0,
                               .high = 100,
                               .colors = crystal::crystalColorsOfStyle(4),
                               .textStyle = 5,
                               .caption = "程序升级中，请稍等，目前已完成： ",
                               .background = crystal::rgb(240, 240, 240)};
  for (auto _ : state) {
    bar.position = (bar.position + 1) % 101;
    crystal::renderCrystalBar(buffer.canvas(), bar);
    benchmark::DoNotOptimize(crystal::captionPlan(bar, 380, 40));
    benchmark::ClobberMemory();
  }
  state.counters["paints"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(renderUpdaterBar);

}  // namespace

BENCHMARK_MAIN();
