#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR (prefix /usr) and checks one
# aspect of what lands there:
#   install_test.sh BUILD-DIR VERSION ASPECT EDITORS TOOLS ICON-SIZES
# with the three lists each one space-separated argument. Aspects:
#   layout    every installed path, nothing more; icon sizes; gzip -n pages
#   entries   desktop-file-validate on each menu entry, its program and icon
#   metainfo  appstreamcli validate --no-net, and the tree it describes
#   manpages  man's own check, as lintian runs it, on every page made;
#             every option --help lists and the game folder rule documented
#   programs  --help, --version, usage errors and a missing game folder, with
#             no display at all; standard output on /dev/full or closed
# Exit status 77 means a checker is not installed (the test is skipped).
set -u

build="$1" version="$2" aspect="$3"
read -r -a editors <<<"$4"
read -r -a tools <<<"$5"
read -r -a sizes <<<"$6"

dest="$(mktemp -d)"
trap 'rm -rf "$dest"' EXIT
DESTDIR="$dest" cmake --install "$build" --prefix /usr >"$dest.log" 2>&1 || {
  cat "$dest.log"; rm -f "$dest.log"; echo "FAIL: cmake --install"; exit 1; }
rm -f "$dest.log"
usr="$dest/usr"

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
need() {
  command -v "$1" >/dev/null || { echo "SKIP: $1 is not installed ($2)"; exit 77; }
}

# Width and height from a PNG's header.
png_size() {
  local w h
  read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$1")
  echo "${w}x${h}"
}

# A gzip member written with -n has no file name and no time stamp.
gzip_without_name_and_time() {
  local flags mtime
  flags="$(od -An -tu1 -j3 -N1 "$1" | tr -d ' ')"
  mtime="$(od -An -tu4 -j4 -N4 "$1" | tr -d ' ')"
  [ $((flags & 8)) -eq 0 ] && [ "$mtime" -eq 0 ] && gzip -t "$1"
}

check_layout() {
  local expected actual p s
  expected="$(
    for p in "${editors[@]}" "${tools[@]}"; do
      echo "/usr/bin/$p"
      echo "/usr/share/man/man1/$p.1.gz"
    done
    for p in "${editors[@]}"; do
      echo "/usr/share/applications/org.tervok.$p.desktop"
      echo "/usr/share/icons/hicolor/scalable/apps/org.tervok.$p.svg"
      for s in "${sizes[@]}"; do
        echo "/usr/share/icons/hicolor/${s}x${s}/apps/org.tervok.$p.png"
      done
    done
    echo /usr/share/metainfo/org.tervok.editors.metainfo.xml
    echo /usr/share/doc/tervok-editors/copyright
    echo /usr/share/doc/tervok-editors/changelog.gz
  )"
  actual="$(cd "$dest" && find . ! -type d | sed 's/^\.//')"
  diff <(sort <<<"$expected") <(sort <<<"$actual") || fail "installed files differ from the list above (< expected, > installed)"

  for p in "${editors[@]}" "${tools[@]}"; do
    [ -x "$usr/bin/$p" ] || fail "/usr/bin/$p is not executable"
  done
  for p in "${editors[@]}"; do
    for s in "${sizes[@]}"; do
      local png="$usr/share/icons/hicolor/${s}x${s}/apps/org.tervok.$p.png"
      [ -f "$png" ] && [ "$(png_size "$png")" = "${s}x${s}" ] || fail "$png is not a ${s}x${s} PNG"
    done
  done
  for p in "$usr"/share/man/man1/*.gz "$usr/share/doc/tervok-editors/changelog.gz"; do
    gzip_without_name_and_time "$p" || fail "$p is not compressed with gzip -n"
  done
  # Nothing that a user should not be able to read, nothing group-writable.
  local odd
  odd="$(cd "$dest" && find . \( -type d ! -perm 755 \) -o \( -type f ! -perm 644 ! -perm 755 \) | sed 's/^\.//')"
  [ -z "$odd" ] || fail "unexpected modes: $odd"
  zcat "$usr/share/doc/tervok-editors/changelog.gz" | head -n 1 | grep -qF "tervok-editors ($version)" ||
    fail "the changelog does not start with version $version"
}

check_entries() {
  need desktop-file-validate "desktop-file-utils"
  local p file out exec icon
  for p in "${editors[@]}"; do
    file="$usr/share/applications/org.tervok.$p.desktop"
    out="$(desktop-file-validate "$file" 2>&1)" || fail "desktop-file-validate failed on $file"
    [ -z "$out" ] || fail "desktop-file-validate reports on $file: $out"
    exec="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$file")"
    [ -x "$usr/bin/$exec" ] || fail "$file starts '$exec', which is not installed in /usr/bin"
    # The editor shows why it cannot start in a message box, and takes a
    # dropped file.
    grep -qx "Exec=$p --from-launcher %f" "$file" || fail "$file does not start '$p --from-launcher %f'"
    icon="$(sed -n 's/^Icon=//p' "$file")"
    [ -f "$usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "$file names icon '$icon', which is not installed"
  done
}

check_metainfo() {
  need appstreamcli "appstream"
  local file="$usr/share/metainfo/org.tervok.editors.metainfo.xml" out p
  out="$(appstreamcli validate --no-net --pedantic "$file" 2>&1)" || fail "appstreamcli validate failed: $out"
  ! grep -E '^[EWIP]:' <<<"$out" || fail "appstreamcli validate has something to say (above)"
  grep -qF "<release version=\"$version\"" "$file" || fail "the metainfo does not carry version $version"
  for p in "${editors[@]}"; do
    grep -qF "<launchable type=\"desktop-id\">org.tervok.$p.desktop</launchable>" "$file" ||
      fail "the metainfo has no launchable for $p"
  done
  # The release holds every installed program: the metainfo provides each,
  # and its release notes and the changelog name each.
  local notes changes
  notes="$(sed -n '/<releases>/,/<\/releases>/p' "$file")"
  changes="$(zcat "$usr/share/doc/tervok-editors/changelog.gz")"
  for p in "${editors[@]}" "${tools[@]}"; do
    grep -qF "<binary>$p</binary>" "$file" || fail "the metainfo does not provide $p"
    grep -qw -- "$p" <<<"$notes" || fail "the metainfo's release notes do not name $p"
    grep -qw -- "$p" <<<"$changes" || fail "the changelog does not name $p"
  done
  # The whole tree: launchables that exist, icons, the desktop entries.
  out="$(appstreamcli validate-tree --no-net "$usr" 2>&1)" || fail "appstreamcli validate-tree failed: $out"
  ! grep -E '^[EW]:' <<<"$out" || fail "appstreamcli validate-tree warns (above)"
}

check_manpages() {
  need man "man-db"
  local p page out
  for p in "${editors[@]}" "${tools[@]}"; do
    page="$usr/share/man/man1/$p.1.gz"
    out="$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)"
    [ -z "$out" ] || fail "man reports on $p.1: $out"
    out="$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" 2>/dev/null)"
    grep -q "^NAME" <<<"$out" && grep -q "^SYNOPSIS" <<<"$out" || fail "$p.1 lacks NAME or SYNOPSIS"
    grep -qF -- "--help" <<<"$out" && grep -qF -- "--version" <<<"$out" || fail "$p.1 does not document --help and --version"
    grep -qF "Tervok editors $version" <<<"$out" || fail "$p.1 does not carry version $version"
    # Every option --help lists.
    for option in $(env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/$p" --help | grep -oE -- '(^| )--?[a-zA-Z][a-z-]*' | sort -u); do
      grep -qF -- "$option" <<<"$out" || fail "$p.1 does not document $option"
    done
  done
  # The pages of programs not built yet are made all the same.
  for page in "$build"/desktop/man/*.1; do
    out="$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)"
    [ -z "$out" ] || fail "man reports on $page: $out"
  done
  for p in "${editors[@]}"; do
    out="$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$usr/share/man/man1/$p.1.gz" 2>/dev/null)"
    for part in "GAME FOLDER" "KEYS AND MOUSE" "EXIT STATUS" "editors.conf" "Cancel"; do
      grep -qF "$part" <<<"$out" || fail "$p.1 says nothing of '$part'"
    done
  done
}

check_programs() {
  local p out err status
  # As on a console or over ssh without forwarding: no display at all.
  local run=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u QT_QPA_PLATFORMTHEME)
  for p in "${editors[@]}"; do
    out="$("${run[@]}" "$usr/bin/$p" --version 2>"$dest/err")"; status=$?
    [ "$status" -eq 0 ] && [ "$out" = "$p (Tervok editors) $version" ] && [ ! -s "$dest/err" ] ||
      fail "$p --version: status $status, output '$out', errors '$(cat "$dest/err")'"

    out="$("${run[@]}" "$usr/bin/$p" --help 2>"$dest/err")"; status=$?
    [ "$status" -eq 0 ] && [ ! -s "$dest/err" ] && [ "$(head -n 1 <<<"$out")" = "Usage: $p [OPTION]... [GAME-FOLDER | FILE]" ] ||
      fail "$p --help: status $status, errors '$(cat "$dest/err")', first line '$(head -n 1 <<<"$out")'"
    grep -qF "Keys:" <<<"$out" || fail "$p --help lists no keys"

    check_usage_error "$p"
    for named in "$dest/no such folder" "-C$dest/no such folder"; do
      check_missing_folder "$p" "cannot open the game folder" "$named"
    done

    out="$("${run[@]}" "$usr/bin/$p" one two 2>"$dest/err")"; status=$?
    [ "$status" -eq 2 ] || fail "$p with two folders: status $status"

    # As the menu entry starts it, with a file in no game folder: without a
    # display there is no message box to wait on, standard error says why.
    : >"$dest/notes.txt"
    out="$("${run[@]}" timeout 20 "$usr/bin/$p" --from-launcher "$dest/notes.txt" 2>"$dest/err")"; status=$?
    err="$(cat "$dest/err")"
    [ "$status" -eq 2 ] && [ -z "$out" ] &&
      [ "$err" = "$p: $dest/notes.txt: cannot open the game folder: not a folder, nor a file in a map, player, shots or sprites folder" ] ||
      fail "$p --from-launcher with a stray file: status $status, errors '$err'"
  done
  for p in "${tools[@]}"; do
    out="$("${run[@]}" "$usr/bin/$p" --version 2>"$dest/err")"; status=$?
    [ "$status" -eq 0 ] && [ "$out" = "$p (Tervok editors) $version" ] && [ ! -s "$dest/err" ] ||
      fail "$p --version: status $status, output '$out', errors '$(cat "$dest/err")'"
    out="$("${run[@]}" "$usr/bin/$p" --help 2>"$dest/err")"; status=$?
    [ "$status" -eq 0 ] && [ ! -s "$dest/err" ] && [[ "$(head -n 1 <<<"$out")" == "Usage: $p "* ]] ||
      fail "$p --help: status $status, errors '$(cat "$dest/err")', first line '$(head -n 1 <<<"$out")'"
    check_usage_error "$p"
  done
  if [[ " ${tools[*]} " == *" tervok-check "* ]]; then
    check_missing_folder tervok-check "cannot read the game folder" "-C$dest/no such folder"
  fi
  if [[ " ${tools[*]} " == *" tervok-render "* ]]; then
    check_missing_folder tervok-render "cannot open the game folder" "-C$dest/no such folder" 'map\map1.map'
  fi
  if [[ " ${tools[*]} " == *" tervok-tmx "* ]]; then
    check_missing_folder tervok-tmx "cannot open the game folder" "-C$dest/no such folder" export 'map\map1.map'
  fi

  # Standard output that cannot be written is a failure with the system's
  # reason: a full disk, or a descriptor that was closed.
  local sample="$build/sample-data"
  for p in "${editors[@]}" "${tools[@]}"; do
    check_write_errors "$p" --help
    check_write_errors "$p" --version
  done
  if [[ " ${tools[*]} " == *" tervok-check "* ]]; then check_write_errors tervok-check "$sample"; fi
  if [[ " ${tools[*]} " == *" tervok-render "* ]]; then check_write_errors tervok-render -o - "$sample/map/map1.map"; fi
}

# PROGRAM: an unknown option is a usage error, status 2, ending with the
# usage and the hint every program gives.
check_usage_error() {
  local p="$1" out err status
  out="$("${run[@]}" "$usr/bin/$p" --frobnicate 2>"$dest/err")"; status=$?
  err="$(cat "$dest/err")"
  [ "$status" -eq 2 ] && [ -z "$out" ] && [ "$(head -n 1 <<<"$err")" = "$p: unknown option '--frobnicate'" ] &&
    [[ "$(sed -n 2p <<<"$err")" == "Usage: $p "* ]] &&
    [ "$(tail -n 1 <<<"$err")" = "Try '$p --help' for more information." ] ||
    fail "$p --frobnicate: status $status, output '$out', errors '$err'"
}

# PROGRAM REASON ARGUMENT...: the game folder "$dest/no such folder" (named in
# the arguments) ends the program with status 2 and one line saying why.
check_missing_folder() {
  local p="$1" reason="$2" out err status
  shift 2
  out="$("${run[@]}" "$usr/bin/$p" "$@" 2>"$dest/err")"; status=$?
  err="$(cat "$dest/err")"
  [ "$status" -eq 2 ] && [ -z "$out" ] && [ "$err" = "$p: $dest/no such folder: $reason: no such file or directory" ] ||
    fail "$p $* with a missing folder: status $status, errors '$err'"
}

# PROGRAM ARGUMENT...: with standard output on /dev/full and then closed,
# exit status 1 and one line on standard error saying why.
check_write_errors() {
  local p="$1" status err
  shift
  "${run[@]}" "$usr/bin/$p" "$@" >/dev/full 2>"$dest/err"; status=$?
  err="$(cat "$dest/err")"
  [ "$status" -eq 1 ] && [ "$err" = "$p: write error: no space left on device" ] ||
    fail "$p $* >/dev/full: status $status, errors '$err'"
  "${run[@]}" "$usr/bin/$p" "$@" >&- 2>"$dest/err"; status=$?
  err="$(cat "$dest/err")"
  [ "$status" -eq 1 ] && [ "$err" = "$p: write error: bad file descriptor" ] ||
    fail "$p $* >&-: status $status, errors '$err'"
}

case "$aspect" in
  layout) check_layout ;;
  entries) check_entries ;;
  metainfo) check_metainfo ;;
  manpages) check_manpages ;;
  programs) check_programs ;;
  *) echo "unknown aspect: $aspect" >&2; exit 2 ;;
esac
[ "$failures" -eq 0 ] && echo "ok: $aspect" || echo "$failures failed"
[ "$failures" -eq 0 ]
