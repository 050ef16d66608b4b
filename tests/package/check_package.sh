#!/usr/bin/env bash
# Builds the Debian package from a finished build and checks it as a
# distribution would: file list, section, dependencies, stripped programs,
# and the verdicts of desktop-file-validate, appstreamcli and lintian.
# Usage: check_package.sh <build dir> <scratch dir> <version>
set -euo pipefail
build=$1 scratch=$2 version=$3
module=usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/quindle/quindle_clip.so
cues=usr/libexec/quindle/quindle_cues
rm -rf "$scratch"
mkdir -p "$scratch"
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1 \
  || { cat "$scratch/cpack.log" >&2; fail "cpack"; }
deb="$scratch/quindle_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $deb; made: $(ls "$scratch")"

# The file list: everything we need, nothing of the build's own.
dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's|^\./|/|' | grep -v '/$' | sort >"$scratch/files"
want=(/usr/games/quindle "/$module" "/$cues"
  /usr/share/applications/org.quindle.quindle.desktop
  /usr/share/metainfo/org.quindle.quindle.metainfo.xml
  /usr/share/man/man6/quindle.6.gz
  /usr/share/doc/quindle/copyright /usr/share/doc/quindle/changelog.gz
  /usr/share/icons/hicolor/scalable/apps/quindle.svg)
for f in left.wav ok.wav uhoh.wav applause.wav cool.avi; do want+=("/usr/share/quindle/$f"); done
for s in 16 24 32 48 64 128 256; do want+=("/usr/share/icons/hicolor/${s}x$s/apps/quindle.png"); done
printf '%s\n' "${want[@]}" | sort >"$scratch/want"
diff -u "$scratch/want" "$scratch/files" || fail "file list differs (- missing, + unexpected)"

section=$(dpkg-deb --field "$deb" Section)
[ "$section" = games ] || fail "Section is $section, not games"

# Dependencies: from the libraries of the programs and of the clip module,
# plus what no library shows; each package once.
depends=$(dpkg-deb --field "$deb" Depends)
twice=$(tr ',' '\n' <<<"$depends" | awk '{print $1}' | sort | uniq -d)
[ -z "$twice" ] || fail "Depends lists more than once: $twice"
for d in libqt6widgets6 libcanberra0 libjpeg62-turbo libavformat libc6 \
         libcanberra-pulse sound-theme-freedesktop fonts-comic-neue fonts-dejavu-extra; do
  [[ ", $depends" == *", $d"* ]] || fail "Depends lacks $d: $depends"
done

# No maintainer scripts: a removed package then leaves nothing behind, not
# even a "config-files" entry kept for a removal script.
scripts=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -E 'inst$|rm$' || true)
[ -z "$scripts" ] || fail "maintainer scripts in the package: $scripts"

root="$scratch/root"
dpkg-deb --extract "$deb" "$root"
for elf in usr/games/quindle "$module" "$cues"; do
  file -b "$root/$elf" | grep -q ', stripped' || fail "$elf is not stripped: $(file -b "$root/$elf")"
  [[ $(readelf -S --wide "$root/$elf") != *' .comment '* ]] || fail "$elf keeps its .comment section"
  # A build for /usr names no folder of another prefix; Qt keeps its string
  # literals in UTF-16, which plain strings does not show.
  if grep -q '^CMAKE_INSTALL_PREFIX:PATH=/usr$' "$build/CMakeCache.txt"; then
    ! { strings "$root/$elf"; strings -el "$root/$elf"; } | grep -q /usr/local \
      || fail "$elf names /usr/local"
  fi
done

out=$(desktop-file-validate "$root/usr/share/applications/org.quindle.quindle.desktop" 2>&1) \
  && [ -z "$out" ] || fail "desktop-file-validate: $out"
grep -qx 'Exec=/usr/games/quindle' "$root/usr/share/applications/org.quindle.quindle.desktop" \
  || fail "the entry does not start /usr/games/quindle"
appstreamcli validate --pedantic --no-net --no-color \
  "$root/usr/share/metainfo/org.quindle.quindle.metainfo.xml" >"$scratch/appstream" 2>&1 \
  || { cat "$scratch/appstream" >&2; fail "appstreamcli"; }
grep -E '^[EW]:' "$scratch/appstream" && fail "appstreamcli reports errors or warnings"
grep -q "release version=\"$version\"" "$root/usr/share/metainfo/org.quindle.quindle.metainfo.xml" \
  || fail "the listing has no release notes for $version"

# Any tag fails, down to pedantic ones and notes. A build without Debian's
# hardening flags (a test build; scripts/package.sh gives them) cannot pass
# the hardening checks, so only there are those two tags let through.
if command -v lintian >/dev/null; then
  suppress=()
  grep -q '^CMAKE_CXX_FLAGS:.*-D_FORTIFY_SOURCE=' "$build/CMakeCache.txt" \
    && grep -q '^CMAKE_EXE_LINKER_FLAGS:.*-z,now' "$build/CMakeCache.txt" \
    || suppress=(--suppress-tags hardening-no-bindnow,hardening-no-fortify-functions)
  lintian --pedantic --display-info --tag-display-limit 0 "${suppress[@]}" "$deb" >"$scratch/lintian" 2>&1 \
    && ! grep -qE '^[A-Z]: ' "$scratch/lintian" || { cat "$scratch/lintian" >&2; fail "lintian"; }
fi
rm -rf "$scratch"
echo "package ok: $(basename "$deb")"
