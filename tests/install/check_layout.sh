#!/usr/bin/env bash
# Installs the build into a fresh temporary prefix and checks what a user's system would get:
# exactly the expected files, icons of the right sizes, a valid desktop entry pointing at them,
# AppStream metadata, the licence and changelog a distribution needs, and a program that answers
# --version and --help with one line each.
# Usage: check_layout.sh <cmake> <build dir> <config> <version> "<icon sizes>" <AppStream id>
#        <Debian version> <release date>
set -uo pipefail

cmake_command=$1
build_dir=$2
config=$3
version=$4
read -r -a sizes <<<"$5"
metainfo_id=$6
debian_version=$7
release_date=$8
app=kairo-drill

# The first n bytes of a file as unsigned decimals, one word each.
first_bytes() { od -An -v -tu1 -N"$2" "$1" | tr -s " \n" " "; }

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# A directory of its own per run, so parallel runs and other tests never meet.
work=$(mktemp -d "${TMPDIR:-/tmp}/kairo-install.XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT
prefix=$work/root

unset DESTDIR  # it would move the installation out of the temporary prefix
install_args=(--install "$build_dir" --prefix "$prefix")
[ -n "$config" ] && install_args+=(--config "$config")
if ! "$cmake_command" "${install_args[@]}" >"$work/install.log" 2>&1; then
  cat "$work/install.log"
  echo "FAIL: cmake --install"
  exit 1
fi

# Exactly these files: anything more (a test or tool executable, the core library, headers) is a fault.
expected=(
  "bin/$app"
  "share/applications/$app.desktop"
  "share/icons/hicolor/scalable/apps/$app.svg"
  "share/man/man1/$app.1.gz"
  "share/doc/$app/copyright"
  "share/doc/$app/changelog.Debian.gz"
  "share/lintian/overrides/$app"
  "share/metainfo/$metainfo_id.metainfo.xml"
)
for n in "${sizes[@]}"; do expected+=("share/icons/hicolor/${n}x${n}/apps/$app.png"); done
unexpected=$(comm -13 <(printf '%s\n' "${expected[@]}" | sort) \
  <(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort))
missing=$(comm -23 <(printf '%s\n' "${expected[@]}" | sort) \
  <(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort))
[ -z "$unexpected" ] || fail "installed but not expected: $unexpected"
[ -z "$missing" ] || fail "not installed: $missing"

[ -x "$prefix/bin/$app" ] || fail "bin/$app is not executable"

# A PNG keeps its width and height as big-endian 32-bit numbers at bytes 16..23.
for n in "${sizes[@]}"; do
  png="$prefix/share/icons/hicolor/${n}x${n}/apps/$app.png"
  [ -f "$png" ] || continue
  read -r -a header <<<"$(first_bytes "$png" 24)"
  signature="${header[*]:0:8}"
  width=$(((header[16] << 24) | (header[17] << 16) | (header[18] << 8) | header[19]))
  height=$(((header[20] << 24) | (header[21] << 16) | (header[22] << 8) | header[23]))
  [ "$signature" = "137 80 78 71 13 10 26 10" ] || fail "${n}x${n} icon is not a PNG"
  [ "$width" = "$n" ] && [ "$height" = "$n" ] || fail "${n}x${n} icon is ${width}x${height}"
done
svg="$prefix/share/icons/hicolor/scalable/apps/$app.svg"
[ -f "$svg" ] && ! grep -q '<svg' "$svg" && fail "scalable icon is not an SVG drawing"
manual="$prefix/share/man/man1/$app.1.gz"
[ -f "$manual" ] && ! gzip -dc "$manual" | grep -q '^\.TH KAIRO-DRILL 1' && fail "manual page is not a gzipped page"

# Compressed files as Debian wants them, the same bytes on every build: no file name or time stamp
# in the gzip header (flags and MTIME zero) and the best compression (XFL 2).
changelog="$prefix/share/doc/$app/changelog.Debian.gz"
for gz in "$manual" "$changelog"; do
  [ -f "$gz" ] || continue
  read -r -a header <<<"$(first_bytes "$gz" 10)"
  [ "${header[*]:0:3}" = "31 139 8" ] || fail "${gz#"$prefix"/} is not gzip data"
  [ "${header[*]:3:5}" = "0 0 0 0 0" ] || fail "${gz#"$prefix"/} keeps a name or time stamp"
  [ "${header[8]}" = 2 ] || fail "${gz#"$prefix"/} is not compressed with -9"
done

# The changelog entry is this version's, dated like the AppStream release.
if [ -f "$changelog" ]; then
  entry=$(gzip -dc "$changelog")
  [[ "$(head -n1 <<<"$entry")" == "$app ($debian_version) "*"; urgency="* ]] ||
    fail "changelog does not start with the entry of $debian_version: $(head -n1 <<<"$entry")"
  trailer=$(grep -m1 '^ -- ' <<<"$entry")
  stamp=${trailer##*>  }
  [ "$(date -u -d "$stamp" +%F 2>/dev/null)" = "$release_date" ] ||
    fail "changelog is dated '$stamp', the release $release_date"
fi
copyright="$prefix/share/doc/$app/copyright"
if [ -f "$copyright" ]; then
  head -n1 "$copyright" | grep -qxF 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "copyright is not in the machine-readable format"
  grep -qxF 'License: GPL-3.0-or-later' "$copyright" || fail "copyright does not name GPL-3.0-or-later"
fi

# AppStream: this release, the desktop entry as its launchable, and what appstreamcli says.
metainfo="$prefix/share/metainfo/$metainfo_id.metainfo.xml"
if [ -f "$metainfo" ]; then
  grep -qF "<release version=\"$version\" date=\"$release_date\"" "$metainfo" ||
    fail "metainfo lacks the release $version of $release_date"
  grep -qF "<launchable type=\"desktop-id\">$app.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not name the desktop entry"
  if command -v appstreamcli >/dev/null; then
    # validate-tree also finds the desktop entry the metainfo names.
    report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $report"
    report=$(appstreamcli validate-tree --no-net "$prefix" 2>&1) || fail "appstreamcli validate-tree: $report"
  else
    echo "note: appstreamcli is not installed (appstream); metainfo not validated"
  fi
fi

# The desktop entry: valid, and its keys lead to the installed program and icon.
desktop="$prefix/share/applications/$app.desktop"
if [ -f "$desktop" ]; then
  if ! command -v desktop-file-validate >/dev/null; then
    fail "desktop-file-validate is not installed (desktop-file-utils)"
  elif ! report=$(desktop-file-validate "$desktop" 2>&1) || grep -q 'error:' <<<"$report"; then
    fail "desktop-file-validate: $report"
  fi
  for line in 'Type=Application' 'Name=Kairo Drill' 'Name[ja]=回路計算ドリル' "Exec=$app" \
    "Icon=$app" 'Terminal=false' 'Categories=Education;Science;'; do
    grep -qxF "$line" "$desktop" || fail "desktop entry lacks the line '$line'"
  done
  grep -qE '^Comment=[ -~]+$' "$desktop" || fail "desktop entry lacks an English Comment"
  # Japanese text: at least one character outside ASCII, and no ASCII letters.
  grep -qP '^Comment\[ja\]=(?=.*[^\x00-\x7F])[^A-Za-z]+$' "$desktop" ||
    fail "desktop entry lacks a Japanese Comment[ja]"
fi

# The installed program: one line for --version and for --help, an error for anything else.
# Each run is bounded, so a program that opened its windows instead would fail, not hang.
program="$prefix/bin/$app"
run() { timeout 20 "$program" "$@" 2>"$work/stderr"; }
if [ -x "$program" ]; then
  out=$(run --version)
  status=$?
  [ $status -eq 0 ] || fail "--version exited with $status: $(cat "$work/stderr")"
  [ "$out" = "$app $version" ] || fail "--version printed '$out', expected '$app $version'"

  out=$(run --help)
  status=$?
  [ $status -eq 0 ] || fail "--help exited with $status"
  [ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] || fail "--help printed more than one line: $out"
  [[ "$out" == "Usage: $app "*--help*--version* ]] || fail "--help printed '$out'"

  # The short forms, and both answers without any display at all.
  [ "$(run -v)" = "$app $version" ] || fail "-v does not print the version"
  [ "$(run -h)" = "$out" ] || fail "-h does not print the usage line"
  no_display=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$program" --version 2>&1)
  [ "$no_display" = "$app $version" ] || fail "--version needs a display: $no_display"

  out=$(run --no-such-option)
  status=$?
  [ $status -ne 0 ] || fail "an unknown option started the program or was accepted"
  [ -z "$out" ] || fail "an unknown option printed to standard output: $out"
  grep -q -- '--no-such-option' "$work/stderr" || fail "the error does not name the unknown option"
  [ $status -ne 124 ] || fail "an unknown option opened the program (timed out)"

  # A language the program does not speak is refused with status 2 and named; a known one is taken.
  run --lang xx >/dev/null
  status=$?
  [ $status -eq 2 ] || fail "--lang xx exited with $status, expected 2"
  grep -q "'xx'" "$work/stderr" || fail "the error does not name the unknown language"
  [ "$(run --lang en --version)" = "$app $version" ] || fail "--lang en is not taken with --version"
fi

if [ $failures -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "install layout: all checks passed"
