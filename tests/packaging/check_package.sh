#!/usr/bin/env bash
# Checks the Debian package as a lab administrator and a student meet it:
# what it holds and depends on, its desktop entry, its AppStream metadata, the
# exercise file type, and the program unpacked from it starting.
# Usage: check_package.sh <package folder> contents|desktop|metainfo|mime|starts
set -uo pipefail
folder=${1:?usage: check_package.sh <package folder> <check>}
check=${2:?usage: check_package.sh <package folder> <check>}
deb=$(ls "$folder"/tensorium_*.deb 2>/dev/null | head -1)
[[ -f $deb ]] || { echo "FAIL: no package in $folder"; exit 1; }
id=example.northfield_tech.tensorium
mime=application/x-tensorium-exercise
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
dpkg-deb -x "$deb" "$root" || { echo "FAIL: dpkg-deb -x $deb"; exit 1; }
passed=0
failed=0

expect() {  # arguments: description, command...
  local what=$1
  shift
  if "$@" >"$work/out" 2>&1; then
    echo "ok ($what)"
    passed=$((passed + 1))
  else
    echo "FAIL ($what):"
    cat "$work/out"
    failed=$((failed + 1))
  fi
}

lists() { grep -qxF "$1" "$work/listing"; }
has_line() { grep -qxF "$2" "$1"; }
depends_on() { dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//' | grep -qxF "$1"; }
says_nothing() { local said; said=$("$@"); echo "$said"; [[ -z $said ]]; }
field_is() { [[ $(dpkg-deb -f "$deb" "$1") == "$2" ]]; }

check_contents() {
  dpkg-deb -c "$deb" | awk '{print $NF}' >"$work/listing"
  for path in ./usr/bin/tensorium ./usr/share/applications/$id.desktop \
              ./usr/share/icons/hicolor/scalable/apps/$id.svg ./usr/share/metainfo/$id.metainfo.xml \
              ./usr/share/mime/packages/$id.xml; do
    expect "lists $path" lists "$path"
  done
  expect "the program is executable" test -x "$root/usr/bin/tensorium"
  expect "package name tensorium" field_is Package tensorium
  expect "version 2.0" field_is Version 2.0
  expect "the file is named after package, version and architecture" \
    test "$(basename "$deb")" = "tensorium_2.0_$(dpkg-deb -f "$deb" Architecture).deb"
  for package in libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6 libqt6printsupport6 libc6 fonts-liberation fonts-dejavu-core; do
    expect "depends on $package" depends_on "$package"
  done
  expect "the icon is the program's icon" cmp "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" \
    "$(dirname "$0")/../../app/resources/tensorium_icon.svg"
}

check_desktop() {
  local entry=$root/usr/share/applications/$id.desktop
  expect "desktop-file-validate" desktop-file-validate "$entry"
  # desktop-file-validate passes hints and warnings with status 0: none is wanted.
  expect "no hints or warnings" says_nothing desktop-file-validate "$entry"
  expect "opens exercise files" has_line "$entry" "MimeType=$mime;"
  expect "starts the installed program with the file" has_line "$entry" "Exec=tensorium %f"
  expect "names the installed icon" has_line "$entry" "Icon=$id"
}

check_metainfo() {
  local metainfo=$root/usr/share/metainfo/$id.metainfo.xml
  expect "appstreamcli validate --no-net --pedantic" appstreamcli validate --no-net --pedantic "$metainfo"
  expect "appstreamcli validate-tree (entry, icon and metadata together)" \
    appstreamcli validate-tree --no-net --pedantic "$root"
  expect "release 2.0" grep -q '<release version="2.0"' "$metainfo"
  expect "a screenshot" grep -q '<screenshot type="default">' "$metainfo"
  expect "a description" grep -q '<description>' "$metainfo"
  expect "launched by the desktop entry" grep -q "<launchable type=\"desktop-id\">$id.desktop<" "$metainfo"
  expect "provides the exercise type" grep -q "<mediatype>$mime</mediatype>" "$metainfo"
}

# The type known to a MIME database built from the package alone.
check_mime() {
  mkdir -p "$work/mime/packages"
  cp "$root/usr/share/mime/packages/$id.xml" "$work/mime/packages/"
  expect "update-mime-database reads the definition" update-mime-database "$work/mime"
  expect "*.tensorium is an exercise" grep -qE "^[0-9]+:$mime:\*\.tensorium$" "$work/mime/globs2"
  expect "an exercise is JSON" grep -qxF "$mime application/json" "$work/mime/subclasses"
  expect "the type has its comment" grep -q "Tensorium exercise" "$work/mime/$mime.xml"
}

# The unpacked program opens an exercise given on its command line and keeps
# running. The exercise is a pipe, so the test knows when the program read it.
check_starts() {
  mkfifo "$work/lesson.tensorium"
  QT_QPA_PLATFORM=offscreen LC_ALL=C XDG_CONFIG_HOME="$work/settings" \
    "$root/usr/bin/tensorium" "$work/lesson.tensorium" \
    >"$work/stdout" 2>"$work/stderr" &
  local program=$!
  cat >"$work/exercise" <<'JSON'
{"format": "tensorium-exercise", "version": 1, "azimuth_convention": "clockwise from north",
 "global_stress": {"sx": "30", "sy": "20", "sz": "10", "txy": "5", "tyz": "0", "tzx": "2"},
 "user_angles": {"beta": "10", "psi": "20", "theta": "30"},
 "joint": {"dip_direction": "120", "dip": "60", "friction_angle": "30", "cohesion": "1"},
 "comments": ["installed", "from the package"]}
JSON
  (cat "$work/exercise" >"$work/lesson.tensorium") &
  local writer=$!
  local read=no
  for _ in $(seq 600); do
    if ! kill -0 "$writer" 2>/dev/null; then read=yes; break; fi
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
  done
  kill "$writer" 2>/dev/null
  expect "the program reads the exercise named on its command line" test "$read" = yes
  # Still running after the reading and the cycle: it ended only when told.
  timeout 2 tail --pid="$program" -f /dev/null
  local watched=$?
  kill -TERM "$program" 2>/dev/null
  wait "$program"
  local status=$?
  expect "the program was still running (ended with status $status, by the test's TERM: 143)" \
    test "$watched" -eq 124 -a "$status" -eq 143
  if [[ $failed -gt 0 ]]; then
    echo "its standard error:"
    cat "$work/stderr"
  fi
}

case $check in
  contents) check_contents ;;
  desktop) check_desktop ;;
  metainfo) check_metainfo ;;
  mime) check_mime ;;
  starts) check_starts ;;
  *) echo "unknown check: $check"; exit 2 ;;
esac
echo "$passed passed, $failed failed"
[[ $failed -eq 0 && $passed -gt 0 ]]
