xp_native_benchmarks(
  LzrwCodec_bench.cpp
)
xp_native_benchmarks(XpBonusRender_bench.cpp)
