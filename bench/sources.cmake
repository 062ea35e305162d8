xp_native_benchmarks(
  LzrwCodec_bench.cpp
)
xp_native_benchmarks(XpBonusRender_bench.cpp GradientBands_bench.cpp)
xp_win_benchmarks(StartupHarness.cpp RepaintHarness.cpp GradientPaintHarness.cpp ButtonEditPaintHarness.cpp
                  LabelFillPaintHarness.cpp)
xp_win_bench_windows(MinimalWindow.cpp)
xp_win_bench_windows(ReferenceWindow.cpp)
xp_native_benchmarks(SCEditEngine_bench.cpp)
xp_native_benchmarks(GameLookup_bench.cpp)
