#!/usr/bin/env bash
# Checks what "cmake --install" and the Debian package put in place.
#   check.sh install BUILD SOURCE   every file of the layout, man pages, desktop entry, metainfo
#   check.sh mime BUILD SOURCE      a journal made by qbk has the journal type, by name and content
#   check.sh deb BUILD SOURCE       the package's files, version and dependencies; lintian
# Exit 0 pass, 1 fail, 77 skipped (a tool the check needs is missing).
set -uo pipefail
part=$1 build=$2 source=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
need() { command -v "$1" >/dev/null || { echo "SKIP: $1 is not installed"; exit 77; }; }

# The files every install holds, below the prefix.
expected_files() {
  cat <<LIST
bin/quillbook
bin/qbk
share/applications/quillbook.desktop
share/mime/packages/quillbook.xml
share/metainfo/com.orrinvale.quillbook.metainfo.xml
share/icons/hicolor/scalable/apps/quillbook.svg
share/man/man1/quillbook.1.gz
share/man/man1/qbk.1.gz
share/doc/quillbook/copyright
share/doc/quillbook/changelog.gz
LIST
  for size in 16 22 24 32 48 64 128 256; do
    echo "share/icons/hicolor/${size}x${size}/apps/quillbook.png"
  done
  (cd "$source/src/gui/res/help" && ls) | sed 's|^|share/doc/quillbook/help/|'
  (cd "$source/translations" && ls quillbook_*.ts) |
    sed 's|^\(.*\)\.ts$|share/quillbook/translations/\1.qm|'
}

stage() {
  DESTDIR="$work/stage" cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; fail "cmake --install"; exit 1; }
  root="$work/stage/usr"
}

check_install() {
  need desktop-file-validate
  need appstreamcli
  stage
  while read -r file; do
    [ -s "$root/$file" ] || fail "missing or empty: $file"
  done < <(expected_files)
  # Nothing installed that the list does not know about.
  (cd "$root" && find . -type f | sed 's|^\./||' | sort) >"$work/installed"
  expected_files | sort >"$work/expected"
  extra=$(comm -23 "$work/installed" "$work/expected")
  [ -z "$extra" ] || fail "unexpected files: $extra"

  for program in quillbook qbk; do
    [ -x "$root/bin/$program" ] || fail "$program is not executable"
    version=$("$root/bin/$program" --version) || fail "$program --version failed"
    [ "$version" = "$program $(project_version)" ] || fail "$program --version says '$version'"
    "$root/bin/$program" --help >"$work/$program.help" || fail "$program --help failed"
    grep -q "^Usage: $program" "$work/$program.help" || fail "$program --help has no usage line"
    # The installed translation is found from the installed program.
    env -u LC_ALL -u LANGUAGE LANG=de_DE.UTF-8 "$root/bin/$program" --help | grep -q "^Aufruf: $program" ||
      fail "$program --help is not German under LANG=de_DE.UTF-8"
  done
  # The icons are the sizes their folders say.
  for size in 16 22 24 32 48 64 128 256; do
    file "$root/share/icons/hicolor/${size}x${size}/apps/quillbook.png" |
      grep -q "PNG image data, $size x $size" || fail "icon ${size}x${size} is not that size"
  done

  desktop-file-validate "$root/share/applications/quillbook.desktop" || fail "desktop-file-validate"
  grep -qx 'MimeType=application/x-quillbook-journal;' "$root/share/applications/quillbook.desktop" ||
    fail "the desktop entry does not name the journal type"
  appstreamcli validate --no-net --pedantic \
    "$root/share/metainfo/com.orrinvale.quillbook.metainfo.xml" ||
    fail "appstreamcli validate"
  grep -q "<release version=\"$(project_version)\"" \
    "$root/share/metainfo/com.orrinvale.quillbook.metainfo.xml" ||
    fail "the metainfo has no release entry for $(project_version)"

  # Man pages: well-formed for groff, and they hold every option and command the programs have.
  for program in quillbook qbk; do
    page="$root/share/man/man1/$program.1.gz"
    gzip -t "$page" || fail "$program.1.gz is not gzip"
    if command -v groff >/dev/null; then
      warnings=$(zcat "$page" | groff -man -Tutf8 -ww -z 2>&1)
      [ -z "$warnings" ] || fail "groff warns on $program.1: $warnings"
      zcat "$page" | groff -man -Tutf8 2>/dev/null | col -bx >"$work/$program.txt"
      # As "MANWIDTH=80 man" lays it out: nothing may run past the 80th column.
      zcat "$page" | groff -man -Tutf8 -rLL=80n 2>/dev/null | col -bx |
        awk -v p="$program" 'length($0) > 80 { print p ".1: " length($0) " columns: " $0 }' \
          >"$work/wide"
      [ ! -s "$work/wide" ] || fail "$(cat "$work/wide")"
      for section in "EXIT STATUS" EXAMPLES FILES ENVIRONMENT; do
        grep -q "^$section\$" "$work/$program.txt" || fail "$program.1 has no $section section"
      done
    else
      zcat "$page" >"$work/$program.txt"
    fi
    grep -o -- '--[a-z][a-z-]*' "$work/$program.help" | sort -u | while read -r option; do
      grep -q -- "$option" "$work/$program.txt" || echo "$option"
    done >"$work/missing"
    [ ! -s "$work/missing" ] || fail "$program.1 lacks: $(tr '\n' ' ' <"$work/missing")"
  done
  sed -n '/^Commands:/,/^$/p' "$work/qbk.help" | awk 'NF { print $1 }' | grep -v Commands: |
    while read -r command; do
      grep -q "^   *$command\$\|^ *$command\$" "$work/qbk.txt" || echo "$command"
      "$root/bin/qbk" "$command" --help | grep -o -- '--[a-z][a-z-]*' | sort -u |
        while read -r option; do grep -q -- "$option" "$work/qbk.txt" || echo "$command $option"; done
    done >"$work/missing"
  [ ! -s "$work/missing" ] || fail "qbk.1 lacks: $(tr '\n' ' ' <"$work/missing")"

  # Installed straight into a prefix (no DESTDIR), the MIME and desktop caches there are
  # brought up to date; the staged install above left them alone.
  [ ! -e "$root/share/mime/mime.cache" ] || fail "a staged install updated the MIME cache"
  cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; fail "cmake --install --prefix"; }
  [ -s "$work/prefix/share/mime/application/x-quillbook-journal.xml" ] ||
    fail "update-mime-database did not run on the prefix"
  grep -q "application/x-quillbook-journal=quillbook.desktop" \
    "$work/prefix/share/applications/mimeinfo.cache" 2>/dev/null ||
    fail "update-desktop-database did not run on the prefix"
}

check_mime() {
  need update-mime-database
  need gio
  stage
  export XDG_DATA_DIRS="$root/share:/usr/share" XDG_DATA_HOME="$work/home-data"
  update-mime-database "$root/share/mime" || fail "update-mime-database"
  type_of() { gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'; }

  "$root/bin/qbk" create "$work/diary.qbk" --title "Diary" >/dev/null 2>&1 || fail "qbk create"
  cp "$work/diary.qbk" "$work/diary-without-extension"
  sqlite3 "$work/other.sqlite" 'CREATE TABLE t (x);' || fail "sqlite3"
  cp "$work/other.sqlite" "$work/other-without-extension"

  expect_type() {
    actual=$(type_of "$1")
    [ "$actual" = "$2" ] || fail "$(basename "$1"): expected $2, got '$actual'"
  }
  expect_type "$work/diary.qbk" application/x-quillbook-journal
  expect_type "$work/diary-without-extension" application/x-quillbook-journal
  expect_type "$work/other-without-extension" application/vnd.sqlite3
}

check_deb() {
  need cpack
  need dpkg-deb
  need dpkg-shlibdeps
  cpack --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; exit 1; }
  deb=$(ls "$work"/pkg/*.deb 2>/dev/null | head -n 1)
  [ -n "$deb" ] || { fail "no .deb made"; exit 1; }
  [ "$(basename "$deb")" = "quillbook_$(project_version)_$(dpkg --print-architecture).deb" ] ||
    fail "package file name $(basename "$deb")"

  dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./usr/||' >"$work/listing"
  while read -r file; do
    grep -qx "$file" "$work/listing" || fail "not in the package: $file"
  done < <(expected_files)

  [ "$(dpkg-deb -f "$deb" Package)" = quillbook ] || fail "package name"
  [ "$(dpkg-deb -f "$deb" Version)" = "$(project_version)" ] || fail "package version"
  # Every library the programs load comes from a package the package depends on.
  dpkg-deb -f "$deb" Depends | tr ',|' '\n\n' | awk '{ print $1 }' >"$work/depends"
  dpkg-deb -x "$deb" "$work/unpacked"
  multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
  for program in quillbook qbk; do
    objdump -p "$work/unpacked/usr/bin/$program" | awk '/NEEDED/ { print $2 }'
  done | sort -u >"$work/needed"
  [ -s "$work/needed" ] || fail "no libraries found in the programs"
  while read -r library; do
    owner=$(dpkg -S "*/$library" 2>/dev/null | grep ": /\(usr/\)\?lib/$multiarch/" | head -n 1 | cut -d: -f1)
    [ -n "$owner" ] || { fail "no package holds $library"; continue; }
    grep -qxF "$owner" "$work/depends" || fail "Depends lacks $owner ($library)"
  done <"$work/needed"
  grep -qxF qt6-qpa-plugins "$work/depends" || fail "Depends lacks the Qt platform plugins"
  grep -q "hunspell-en-us" <<<"$(dpkg-deb -f "$deb" Recommends)" ||
    fail "no dictionary recommended"
  grep -q "qt6-translations-l10n" <<<"$(dpkg-deb -f "$deb" Recommends)" ||
    fail "Qt's translations not recommended"

  if command -v lintian >/dev/null; then
    lintian --fail-on error,warning --display-info \
      --suppress-tags-from-file "$source/tests/package/lintian-ignored" "$deb" >"$work/lintian" ||
      fail "lintian: $(cat "$work/lintian")"
    # Hardening shows only as information, yet a distribution requires it.
    ! grep -q "hardening-" "$work/lintian" || fail "lintian: $(grep "hardening-" "$work/lintian")"
  else
    echo "lintian is not installed: not run"
  fi
}

project_version() {
  sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt"
}

case "$part" in
install) check_install ;;
mime) check_mime ;;
deb) check_deb ;;
*) echo "unknown part $part"; exit 2 ;;
esac
if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all $part checks passed"
