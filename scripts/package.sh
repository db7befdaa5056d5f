#!/usr/bin/env bash
# Builds the Debian package kulko_<version>-1_<arch>.deb from a Release build
# without tests (build-package) and puts it into the given directory (the
# top of the repository by default). Install it with
#   sudo apt install ./kulko_<version>-1_<arch>.deb
#
#   scripts/package.sh [output dir]
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/install-deps.sh" package
out="$(mkdir -p "${1:-$top}" && cd "${1:-$top}" && pwd)"

# Debian's hardening flags (stack protector, fortified calls, relocations
# bound at start and read-only); optimisation comes from the Release build
# type, and debugging information would be stripped anyway. Run from the
# top, so that the flags (which map the current directory) stay the same.
cd "$top"
export DEB_BUILD_MAINT_OPTIONS="hardening=+all"
export DEB_CFLAGS_MAINT_STRIP="-g -O2" DEB_CXXFLAGS_MAINT_STRIP="-g -O2"
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
build="$top/build-package"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release -DKULKO_BUILD_TESTS=OFF \
    -DKULKO_BUILD_BENCH=OFF -DKULKO_SANITIZE=OFF "${launcher[@]}" \
    -DCMAKE_C_FLAGS="$(dpkg-buildflags --get CFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" -j"$(nproc)"

rm -f "$build"/kulko_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb="$(ls "$build"/kulko_*.deb)"
cp "$deb" "$out/"
echo "$out/$(basename "$deb")"
