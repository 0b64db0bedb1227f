#!/usr/bin/env bash
# Installs the build into a temporary prefix as a desktop program, validates
# what a desktop reads, moves the installed tree elsewhere and runs the program
# from there; with "deb" it builds the Debian package instead and lists it.
# Usage: install_test.sh install|deb BUILD_DIR RUN_DIR SOURCE_DIR VERSION
set -uo pipefail
export LC_ALL=C.UTF-8

mode=$1 build=$(realpath "$2") run=$(realpath "$3") src=$(realpath "$4") version=$5
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
tmp=$(realpath "$(mktemp -d)")
trap 'rm -rf "$tmp"' EXIT
# A headless option must not need a display: with none, the window would abort at once.
headless() { env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb timeout 20 "$@"; }

# expect_tree ROOT: the files a desktop and the program look for, under ROOT (a /usr).
expect_tree() {
  local root=$1 f
  for f in bin/velunta share/applications/velunta.desktop share/icons/hicolor/scalable/apps/velunta.svg \
           share/metainfo/internal.velunta.velunta.metainfo.xml share/man/man1/velunta.1.gz \
           share/man/ru/man1/velunta.1.gz share/doc/velunta/copyright share/doc/velunta/changelog.gz; do
    [ -f "$root/$f" ] || fail "$f is not installed"
  done
  # A bitmap icon of each size a panel or a menu asks for, and of that size.
  for px in 16 24 32 48 64 128 256; do
    f=share/icons/hicolor/${px}x${px}/apps/velunta.png
    file "$root/$f" 2>/dev/null | grep -q "PNG image data, $px x $px," || fail "$f is missing or not $px px"
  done
  # Every data file the build puts beside the program (pictures, documents).
  for f in "$run"/*; do
    [ -f "$f" ] && [ ! -x "$f" ] || continue
    [ -f "$root/share/velunta/${f##*/}" ] || fail "share/velunta/${f##*/} is not installed"
  done
}

if [ "$mode" = deb ]; then
  cpack --config "$build/CPackConfig.cmake" -B "$tmp" >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; exit 1; }
  deb=$(ls "$tmp"/velunta_*.deb) || exit 1
  dpkg-deb --info "$deb"
  echo "contents ($(du -k "$deb" | cut -f1) KiB):"
  dpkg-deb --contents "$deb" | awk '{print $1, $3, $6}'
  control=$(dpkg-deb --field "$deb")
  grep -q "^Version: $version" <<<"$control" || fail "version is not $version"
  depends=$(sed -n 's/^Depends: //p' <<<"$control")
  for need in libqt6widgets6 libqt6svg6 libqt6multimedia6 libc6 fonts-liberation fonts-dejavu-core; do
    grep -q "$need" <<<"$depends" || fail "Depends lacks $need"
  done
  grep -q 'учебная программа' <<<"$control" || fail "the description has no Russian text"
  dpkg-deb -x "$deb" "$tmp/root"
  expect_tree "$tmp/root/usr"
  cmp -s "$tmp/root/usr/share/doc/velunta/copyright" "$src/packaging/copyright" || fail "copyright file differs"
  # Debian's own checks; hints (I:, P:) are printed but pass, errors and warnings fail.
  lintian --pedantic --tag-display-limit 0 "$deb" >"$tmp/lintian.log" 2>&1
  cat "$tmp/lintian.log"
  grep -q '^[EW]: ' "$tmp/lintian.log" && fail "lintian reports errors or warnings"
  [ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
  echo "all checks passed"; exit 0
fi

cmake --install "$build" --prefix "$tmp/first/usr" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
expect_tree "$tmp/first/usr"
share=$tmp/first/usr/share

# Only hints are allowed (Education and Science are both main categories).
entry=$(desktop-file-validate "$share/applications/velunta.desktop") || fail "desktop entry is not valid"
grep -v ': hint: ' <<<"$entry" | grep . && fail "desktop entry has warnings"
metainfo=$share/metainfo/internal.velunta.velunta.metainfo.xml
# The tree as a whole: the metainfo and the desktop entry it launches.
appstreamcli validate-tree --pedantic --no-net "$tmp/first" || fail "metainfo is not valid"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo lists no release $version"

# Both manual pages (English in man1, Russian in ru/man1) render cleanly, carry this
# version and name every option that --help prints. The English one is plain ASCII:
# in the C locale man would drop every other letter.
help=$(headless "$tmp/first/usr/bin/velunta" --help 2>/dev/null) || fail "--help failed"
zcat "$share/man/man1/velunta.1.gz" | LC_ALL=C grep -nP '[^\x00-\x7F]' && fail "the English manual page is not ASCII"
for lang in :Velunta ru/:Велунта; do
  page=$share/man/${lang%%:*}man1/velunta.1.gz
  man=$(MANWIDTH=200 man --warnings -l "$page" 2>"$tmp/man.err")
  [ -s "$tmp/man.err" ] && { cat "$tmp/man.err"; fail "the manual page $page has warnings"; }
  grep -q "^${lang#*:} $version  " <<<"$man" || fail "the manual page $page does not carry version $version"
  for option in $(grep -oE -- '--[A-Za-z0-9]+' <<<"$help" | sort -u); do
    grep -qE -- "${option}([^A-Za-z0-9]|\$)" <<<"$man" || fail "the manual page $page lacks $option"
  done
done

# A saved lesson is of the program's own type, by its name and by its content alone,
# as a file manager sees it once the type is installed.
update-mime-database "$share/mime" || fail "update-mime-database failed"
printf '{\n    "format": "velunta-lesson",\n    "version": 1\n}\n' >"$tmp/урок.velunta"
cp "$tmp/урок.velunta" "$tmp/lesson-without-suffix"
for f in "$tmp/урок.velunta" "$tmp/lesson-without-suffix"; do
  type=$(XDG_DATA_DIRS="$share:/usr/share" XDG_DATA_HOME="$tmp/nohome" XDG_CURRENT_DESKTOP=GNOME xdg-mime query filetype "$f")
  [ "$type" = application/x-velunta-lesson ] || fail "xdg-mime names ${f##*/} '$type', not application/x-velunta-lesson"
done
grep -q '^MimeType=application/x-velunta-lesson;' "$share/applications/velunta.desktop" || fail "the desktop entry opens no lessons"
[ -f "$share/icons/hicolor/scalable/mimetypes/application-x-velunta-lesson.svg" ] || fail "the lessons have no icon"

# Moved elsewhere and started from a folder without data, the program still finds its own.
mv "$tmp/first" "$tmp/moved"
prefix=$tmp/moved/usr
mkdir "$tmp/work" && cd "$tmp/work" || exit 1
headless "$prefix/bin/velunta" --report >/dev/null || fail "--report of the moved copy failed"
out=$(headless "$prefix/bin/velunta" --version 2>&1) || fail "--version failed"
sed -n 2p <<<"$out" | grep -qF "$prefix/share/velunta" || fail "--version names the data folder as '$(sed -n 2p <<<"$out")'"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "all checks passed"
