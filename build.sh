#!/usr/bin/env bash
# Installs what is missing (Debian packages), builds, and runs the program or the tests.
#   ./build.sh run    build (Release) and start Kvor1.1
#   ./build.sh test   build (Release, as users and distributions build) with warnings as
#                     errors and run every test
#   ./build.sh test-sanitized   the same suite under AddressSanitizer and
#                     UndefinedBehaviorSanitizer (a second build, build-asan, RelWithDebInfo:
#                     so the suite runs at both optimisation levels)
#   ./build.sh bench  build and run the benchmark program, then measure the programs on
#                     the largest project and print one table of the headline figures
#   ./build.sh package  a Release build (warnings as errors), stripped and packed as a .deb
#                     in build-package/, its file list checked
# When ccache is installed (it is among the packages below) every build compiles through it.
set -euo pipefail
cd "$(dirname "$0")"

packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-charts-dev qt6-svg-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev dpkg-dev file poppler-utils ccache
          qt6-translations-l10n)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

jobs=$(nproc 2>/dev/null || echo 2)
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
case "${1:-run}" in
  run)
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
    cmake --build build -j "$jobs"
    if [ -x build/src/ui/kvor ]; then
      exec build/src/ui/kvor
    else
      echo "The windows are not built yet; the core and its tests are." >&2
    fi
    ;;
  test)
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DKVOR_WERROR=ON "${launcher[@]}" >/dev/null
    cmake --build build -j "$jobs"
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs"
    ;;
  test-sanitized)
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVOR_WERROR=ON \
      -DKVOR_SANITIZE=ON -DKVOR_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
    cmake --build build-asan -j "$jobs"
    # Any finding fails the test that met it; leaks are reported at each program's exit.
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS=suppressions="$PWD/.ci/lsan.supp":print_suppressions=0 \
    QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure -j "$jobs"
    ;;
  package)
    cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DKVOR_WERROR=ON \
      -DKVOR_BUILD_TESTS=OFF -DKVOR_BUILD_BENCH=OFF -DCMAKE_INSTALL_PREFIX=/usr "${launcher[@]}" >/dev/null
    cmake --build build-package -j "$jobs"
    rm -f build-package/kvor_*.deb
    (cd build-package && cpack -G DEB >/dev/null)
    deb=$(ls build-package/kvor_*.deb)
    tests/package/check_file_list.sh "$deb"
    echo "$deb"
    ;;
  bench)
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
    cmake --build build -j "$jobs" --target kvor_bench kvor_make_project kvor_reference_calc kvor-calc
    if grep -q kvor_ui_evaluation_time build/build.ninja; then  # built with the windows
      cmake --build build -j "$jobs" --target kvor kvor_ui_evaluation_time kvor_ui_report_time kvor_ui_open_save_time
    fi
    build/bench/kvor_bench --benchmark_out=build/bench/kvor_bench.json --benchmark_out_format=json
    # Ends with one table of every headline figure beside its goal.
    python3 bench/headline.py build build/bench/kvor_bench.json
    ;;
  *)
    echo "usage: $0 run|test|test-sanitized|bench|package" >&2
    exit 2
    ;;
esac
