#!/usr/bin/env bash
# Builds the Debian package velkor_<version>_<arch>.deb from a Release build (in build-deb,
# installed under /usr, with Debian's hardening flags), then checks it with
# scripts/check_package.sh. The package is left in the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
# dpkg-dev: dpkg-shlibdeps and dpkg-buildflags; file: CPack finds the programs to strip and
# to scan with it; the others are the checks.
./scripts/setup.sh dpkg-dev file lintian appstream desktop-file-utils
build=${VELKOR_PACKAGE_BUILD_DIR:-build-deb}
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# Debian's flags set the optimisation (-O2, as every Debian package has); CMake's Release -O3
# is left out, where GCC 12 warns falsely about overlapping copies inside std::string.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
      -DCMAKE_INSTALL_PREFIX=/usr \
      -DVELKOR_BUILD_TESTS=OFF -DVELKOR_WERROR="${VELKOR_WERROR:-ON}" \
      -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
      -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/velkor_*.deb
(cd "$build" && cpack -G DEB)
./scripts/check_package.sh "$build"/velkor_*.deb
