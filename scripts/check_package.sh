#!/usr/bin/env bash
# check_package.sh DEB: checks a built Velkor package. It holds exactly the expected files,
# lintian finds no error, the AppStream metadata and the desktop entry validate, the icons
# have their sizes, and the program unpacked into a scratch root, started offscreen from an
# unrelated folder with VELKOR_DATA_DIR pointing into that root, shows its manual rather than
# the fallback line and finds its parts library there (VELKOR_CHECK_MANUAL makes it say where
# it read the manual, VELKOR_CHECK_LIBRARY where it read the library and what, and exit).
set -euo pipefail
deb=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
passed=0
failed=0
check() { # check NAME COMMAND...: runs the command, counts it, says how it went
  local name=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    echo "ok: $name"
  else
    failed=$((failed + 1))
    echo "FAILED: $name"
  fi
}

sizes=(16 32 48 64 128 256)
expected=(
  ./usr/bin/velkor
  ./usr/share/applications/velkor.desktop
  ./usr/share/doc/velkor/changelog.gz
  ./usr/share/doc/velkor/copyright
  ./usr/share/icons/hicolor/scalable/apps/velkor.svg
  ./usr/share/man/man1/velkor.1.gz
  ./usr/share/metainfo/io.github.velkor.Velkor.metainfo.xml
  ./usr/share/velkor/VELKOR_DOC.RTF
)
for f in NOTICE LICENSE-Apache-2.0 LICENSE-materials-BSD-4-Clause core_shapes.ndjson \
  bobbins.ndjson wires.ndjson cores_stock.ndjson ferrite_materials.csv ferrite_steinmetz.csv; do
  expected+=("./usr/share/velkor/library/$f")
done
for s in "${sizes[@]}"; do
  expected+=("./usr/share/icons/hicolor/${s}x${s}/apps/velkor.png")
done

echo "== $deb"
dpkg-deb --field "$deb"

contents() { # the package's files, not its folders
  diff <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort) \
       <(printf '%s\n' "${expected[@]}" | sort)
}
check "dpkg-deb -c holds exactly the expected files" contents

field() { dpkg-deb --field "$deb" "$1"; }
depends() {
  local d
  d=$(field Depends)
  # dpkg-shlibdeps' libraries, and the fonts, window system plugins and Qt's Italian texts
  # named by hand
  [[ $d == *libqt6widgets6* && $d == *libqt6svg6* && $d == *libc6* &&
     $d == *fonts-liberation2* && $d == *qt6-qpa-plugins* && $d == *qt6-translations-l10n* ]]
}
check "Depends from dpkg-shlibdeps plus fonts, plugins and Qt's translations" depends
control() {
  [[ $(field Package) == velkor && $(field Section) == electronics &&
     $(field Priority) == optional && -n $(field Maintainer) &&
     $(basename "$deb") == "velkor_$(field Version)_$(field Architecture).deb" ]]
}
check "control fields and file name" control

lintian_clean() {
  local out=$scratch/lintian.txt
  lintian --display-info "$deb" >"$out" 2>&1 || true
  cat "$out"
  ! grep -q '^E: ' "$out"
}
check "lintian reports no error" lintian_clean

root=$scratch/root
dpkg -x "$deb" "$root"
check "appstreamcli validate" \
  appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.velkor.Velkor.metainfo.xml"
check "desktop-file-validate" desktop-file-validate "$root/usr/share/applications/velkor.desktop"
names() { # the metainfo launches the installed desktop entry, whose icon and program exist
  local share=$root/usr/share desktop icon exec
  desktop=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' \
            "$share/metainfo/io.github.velkor.Velkor.metainfo.xml")
  icon=$(sed -n 's/^Icon=//p' "$share/applications/$desktop")
  exec=$(sed -n 's/^Exec=//p' "$share/applications/$desktop")
  [[ -f $share/icons/hicolor/scalable/apps/$icon.svg && -x $root/usr/bin/$exec ]]
}
check "metainfo, desktop entry, icon and program name each other" names
icons() {
  local s
  for s in "${sizes[@]}"; do
    file "$root/usr/share/icons/hicolor/${s}x${s}/apps/velkor.png" |
      grep -q "PNG image data, $s x $s," || return 1
  done
}
check "icons rendered at ${sizes[*]} px" icons
installed_dir() { # the program looks in the folder where the package puts its manual
  grep -q -a "/usr/share/velkor" "$root/usr/bin/velkor"
}
check "program looks in /usr/share/velkor" installed_dir
manual() {
  local away=$scratch/elsewhere out status=0
  mkdir -p "$away"
  out=$(cd "$away" && env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=offscreen VELKOR_CHECK_MANUAL=1 \
        VELKOR_CHECK_LIBRARY=1 \
        VELKOR_DATA_DIR="$root/usr/share/velkor" "$root/usr/bin/velkor" 2>"$scratch/stderr") ||
    status=$?
  echo "$out"
  [[ $status -eq 0 && $(head -n 1 <<<"$out") == \
    "VELKOR_DOC.RTF: $root/usr/share/velkor/VELKOR_DOC.RTF" &&
    $(tail -n 1 <<<"$out") == "library: $root/usr/share/velkor/library ("*" shapes, "*" materials)" ]]
}
check "unpacked program shows the manual and finds its library in the scratch root" manual

echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
