#!/bin/sh
# Builds the Debian package with scripts/package.sh and checks it: every file
# `cmake --install` puts in place is in it, each command has its manual page,
# the control fields name the libraries and the run-time packages, the
# AppStream and desktop entries are valid, lintian finds no error, and the unpacked
# launcher starts the real program on the offscreen platform in the user's directory.
#
#   package_test.sh <source dir> <version>
set -eu
top="$1"
version="$2"
scratch="$(mktemp -d)"
program=""
cleanup() {
    if [ -n "$program" ]; then kill "$program" 2>/dev/null || true; fi
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
    echo "package test: $*" >&2
    exit 1
}

arch="$(dpkg --print-architecture)"
"$top/scripts/package.sh" "$scratch" >"$scratch/build.log" 2>&1 || {
    cat "$scratch/build.log" >&2
    fail "package not built"
}
deb="$scratch/kulko_${version}-1_${arch}.deb"
[ -f "$deb" ] || fail "no $(basename "$deb")"

# The package holds exactly what the install puts in place.
cmake --install "$top/build-package" --prefix "$scratch/prefix/usr" >/dev/null
(cd "$scratch/prefix" && find . ! -type d | sort) >"$scratch/installed"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort >"$scratch/packed"
diff "$scratch/installed" "$scratch/packed" || fail "package differs from the install"
for command in $(grep '^\./usr/bin/' "$scratch/packed"); do
    grep -qx "./usr/share/man/man6/$(basename "$command").6.gz" "$scratch/packed" ||
        fail "no manual page for $command"
done

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = kulko ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version-1" ] || fail "version $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "architecture $(field Architecture)"
for needed in libqt6widgets6 libqt6printsupport6 libcurl4 libjpeg62-turbo qt6-qpa-plugins \
    fonts-liberation2 fonts-dejavu-core xdg-utils; do
    field Depends | tr ',' '\n' | grep -q "^ *$needed\( \|$\)" || fail "does not depend on $needed"
done
[ "$(field Recommends)" = fonts-wine ] || fail "does not recommend fonts-wine"

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >"$scratch/appstream" ||
    { cat "$scratch/appstream" >&2; fail "AppStream entry not valid"; }
# Desktop entries as Debian's own tools read them: no error, not even a warning.
for entry in "$root"/usr/share/applications/*.desktop; do
    said="$(desktop-file-validate "$entry" 2>&1)" || true
    [ -z "$said" ] || fail "desktop entry not valid: $said"
done
# Lintian warns on stderr that it runs as root; that says nothing of the package.
lintian --fail-on error "$deb" 2>&1 | grep -v '^running with root privileges' >"$scratch/lintian" ||
    true
if grep -q '^E: ' "$scratch/lintian"; then
    cat "$scratch/lintian" >&2
    fail "lintian errors"
fi
grep -qx "Exec=/usr/bin/kulko" "$root/usr/share/applications/kulko.desktop" ||
    fail "desktop entry does not start /usr/bin/kulko"
file -b "$root/usr/libexec/kulko/kulko" | grep -q "^ELF.*, stripped" || fail "program not stripped"
grep -qx "Exec=/usr/bin/kulko-start --systemy" "$root/usr/share/applications/kulko-systemy.desktop" ||
    fail "systems entry does not start /usr/bin/kulko-start --systemy"
# The systems program, stripped, builds a system from the packaged table.
"$root/usr/libexec/kulko/kulko-systemy" system 1-12 --gwarancja 5z5 --czas 1 >"$scratch/system" 2>&1 ||
    fail "kulko-systemy: $(cat "$scratch/system")"
# The results tool, stripped like the program, checks the shipped history.
"$root/usr/bin/kulko-wyniki" sprawdz --baza "$root/usr/share/kulko/kulko.txt" >/dev/null ||
    fail "kulko-wyniki does not accept the shipped history"

# The unpacked launcher seeds the user's directory and starts the program
# there; the program's start-up writes its default draw log. The user's
# settings turn the update server off, so the start needs no network.
export HOME="$scratch/home" QT_QPA_PLATFORM=offscreen
unset XDG_DATA_HOME
work="$HOME/.local/share/kulko"
mkdir -p "$work"
printf '\000' >"$work/ustalenia_kulko.dat"
printf '\000' >"$work/ustalenia_kulko_apli.dat"
printf '\001' >"$work/ustalenia_kulko_kontrola.dat"
"$root/usr/bin/kulko" >"$scratch/program.log" 2>&1 &
program=$!
tries=0
until [ -f "$work/losowania_kulko.txt" ]; do
    kill -0 "$program" 2>/dev/null || { cat "$scratch/program.log" >&2; fail "program ended"; }
    tries=$((tries + 1))
    [ "$tries" -lt 300 ] || fail "program did not start in $work"
    sleep 0.1
done
cmp -s "$work/kulko.txt" "$root/usr/share/kulko/kulko.txt" || fail "history not seeded"
sleep 1
kill -0 "$program" 2>/dev/null || { cat "$scratch/program.log" >&2; fail "program ended"; }
echo "package test: ok ($(wc -c <"$deb") bytes)"
