#!/usr/bin/env bash
# Runs the benchmarks: the native ones (Google Benchmark) and the Windows timing harnesses
# under Wine. Needs the build folders of scripts/test.sh.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

for b in build-native/*_bench; do
  echo "== $b"
  "$b" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
done

source scripts/wine-env.sh
trap wine_env_stop EXIT
wine_env_start
echo "== start-up (program, plain Win32 reference with the same controls, minimal window), and where the time goes"
wine build-win/StartupHarness.exe --runs "${XP_STARTUP_RUNS:-31}" build-win/XpTableEditor.exe \
  build-win/ReferenceWindow.exe build-win/MinimalWindow.exe
echo "== full repaint"
wine build-win/RepaintHarness.exe 200
echo "== gradient fill paint"
wine build-win/GradientPaintHarness.exe 2000
echo "== game-folder field paint"
wine build-win/ButtonEditPaintHarness.exe 2000
echo "== filled label paint (About title vs plain DrawText)"
wine build-win/LabelFillPaintHarness.exe 2000
