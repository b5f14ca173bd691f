#!/usr/bin/env bash
# Builds the Debian package from a configured and built tree and checks what
# it holds, its control fields and, where lintian is installed, its lint.
# Usage: check-package.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build=$1
source=$2
version=$3

if ! command -v dpkg-deb >/dev/null; then
  echo "SKIP: dpkg-deb is missing; the Debian package cannot be built here"
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

if ! cpack -G DEB -B "$work/out" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  echo "FAIL: cpack could not build the package"
  exit 1
fi
arch=$(dpkg --print-architecture)
deb="$work/out/quotara_${version}_${arch}.deb"
if [ ! -f "$deb" ]; then
  ls "$work/out"
  echo "FAIL: no package named $(basename "$deb")"
  exit 1
fi

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quotara ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
[[ "$(field Maintainer)" =~ ^.+\ \<.+@.+\>$ ]] || fail "Maintainer is '$(field Maintainer)'"
[ -n "$(field Section)" ] || fail "no Section"
depends=$(field Depends)
for needed in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svgwidgets6 libfluidsynth3 \
  timgm6mb-soundfont fonts-liberation2 fonts-dejavu-core; do
  [[ ", $depends," == *", $needed"[\ ,]* ]] || fail "Depends lacks $needed: $depends"
done
description=$(field Description)
[ "$(printf '%s\n' "$description" | wc -l)" -gt 1 ] || fail "the description has no long part"

# Contents: every file in place, owned by root, nothing outside /usr.
dpkg-deb -c "$deb" >"$work/contents"
for path in usr/bin/quotara usr/bin/quotara-cli \
  usr/share/quotara/QuotaraSuggerimenti.TXT usr/share/quotara/Internet.mid \
  usr/share/applications/quotara.desktop \
  usr/share/metainfo/io.github.solvano.Quotara.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/quotara.svg \
  usr/share/man/man1/quotara.1.gz usr/share/man/man1/quotara-cli.1.gz \
  usr/share/doc/quotara/copyright usr/share/doc/quotara/changelog.gz; do
  grep -q " \./$path\$" "$work/contents" || fail "the package lacks /$path"
done
if awk '{print $2}' "$work/contents" | grep -qv '^root/root$'; then
  fail "files not owned by root"
fi
if awk '{print $6}' "$work/contents" | grep -v '^\./$' | grep -qv '^\./usr/'; then
  fail "files outside /usr"
fi

# Installed into a throwaway root: the data lie where the program looks for
# them (share/quotara beside its bin folder) and the tools run.
root="$work/root"
dpkg -x "$deb" "$root"
cmp -s "$root/usr/share/quotara/QuotaraSuggerimenti.TXT" "$source/data/QuotaraSuggerimenti.TXT" ||
  fail "the installed tips file differs from the source"
cmp -s "$root/usr/share/quotara/Internet.mid" "$source/src/app/music/Internet.mid" ||
  fail "the installed music differs from the source"
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/quotara.desktop")
[ -x "$root/usr/bin/${exec_line%% *}" ] || fail "the desktop entry starts '$exec_line', not installed"
icon=$(sed -n 's/^Icon=//p' "$root/usr/share/applications/quotara.desktop")
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no icon named $icon"
if ! out=$("$root/usr/bin/quotara-cli" calcola --tipologia legittima --beni 120000 --figli 2 \
  --coniuge sì --locale it_IT 2>"$work/cli.err"); then
  fail "the installed quotara-cli failed: $(cat "$work/cli.err")"
fi
[[ "$out" == *"40.000,00"* ]] || fail "the installed quotara-cli did not compute the case: $out"

# The AppStream file: content rating and screenshots that exist in the repository.
metainfo="$root/usr/share/metainfo/io.github.solvano.Quotara.metainfo.xml"
grep -q '<content_rating type="oars-1.1"' "$metainfo" || fail "no content_rating"
shots=$(sed -n 's|.*<image>.*/main/\(docs/screenshots/[^<]*\)</image>.*|\1|p' "$metainfo")
[ -n "$shots" ] || fail "no screenshots in the AppStream file"
for shot in $shots; do
  [ -f "$source/$shot" ] || fail "the screenshot $shot is not in the repository"
done

# The manual page documents every command and option the tool's help names.
man_page=$(gzip -dc "$root/usr/share/man/man1/quotara-cli.1.gz")
if command -v man >/dev/null; then
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' man --warnings -l "$root/usr/share/man/man1/quotara-cli.1.gz" 2>&1 >/dev/null || true)
  [ -z "$warnings" ] || fail "the manual page has warnings: $warnings"
fi
help_text=$("$root/usr/bin/quotara-cli" --help 2>&1 || true)
commands=$(printf '%s\n' "$help_text" | grep -oE '\b(calcola|relazione|articolo|cerca|massime|dettaglio)\b' | sort -u)
for command in $commands; do
  grep -q "^\.B $command" <<<"$man_page" || fail "the manual page does not document '$command'"
  options=$("$root/usr/bin/quotara-cli" "$command" --help 2>&1 | grep -oE '(^|[^[:alnum:]-])--?[a-z][a-z-]*' |
    grep -oE '\-\-?[a-z][a-z-]*' | sort -u || true)
  for option in $options; do
    escaped=${option//-/\\\\-}
    grep -qE "$escaped\b" <<<"$man_page" || fail "the manual page does not document $command $option"
  done
done

if command -v lintian >/dev/null; then
  if ! lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1; then
    cat "$work/lintian.log"
    fail "lintian reports errors"
  else
    cat "$work/lintian.log"
  fi
else
  echo "lintian is missing: the package was not linted"
fi

[ "$failures" -eq 0 ] || exit 1
echo "package $(basename "$deb") checked"
