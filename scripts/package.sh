#!/usr/bin/env bash
# Makes the Debian package as Debian builds its own: a release build of only
# what the package holds, with the hardening flags of dpkg-buildflags
# (fortify, stack protector, relro and now), then checks the package.
# Usage: scripts/package.sh   (makes build-package/quindle_<version>_<arch>.deb)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" package
build="$root/build-package"
# The flags map the current folder to "." in what the compiler records.
cd "$root"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flags() { dpkg-buildflags --get "$1"; }
# Given on every run, so a folder configured before keeps no other flags.
# CMake reads no CPPFLAGS: fortify goes in with the compiler's flags.
# The prefix is the package's, so the folders the programs fall back on are
# the installed ones.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DQUINDLE_TESTS=OFF -DQUINDLE_DEVTOOLS=OFF \
  -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" -DCMAKE_MODULE_LINKER_FLAGS="$(flags LDFLAGS)" \
  -DCMAKE_SHARED_LINKER_FLAGS="$(flags LDFLAGS)" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
(cd "$build" && cpack -G DEB >/dev/null)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
"$root/tests/package/check_package.sh" "$build" "$build/package-check" "$version"
echo "made $build/quindle_${version}_$(dpkg --print-architecture).deb"
