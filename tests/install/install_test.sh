#!/bin/sh
# Installs the build into a scratch prefix and checks what `cmake --install`
# put in place, then starts the installed launcher (with the program swapped
# for a stand-in that records where it was started) to check the user's
# working directory: made and seeded on the first start, never overwritten.
#
#   install_test.sh <build dir>
set -eu
build="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "install test: $*" >&2
    exit 1
}

prefix="$scratch/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/kulko-wyniki libexec/kulko/kulko libexec/kulko/kulko-systemy share/kulko/kulko.txt \
    share/kulko/systemy.txt share/applications/kulko.desktop share/applications/kulko-systemy.desktop; do
    [ -f "$prefix/$file" ] || fail "missing $file"
done
cmp -s "$prefix/bin/kulko" "$prefix/bin/kulko-start" && cmp -s "$prefix/bin/kulko" "$prefix/bin/kulko-systemy" &&
    [ "$(head -c 2 "$prefix/bin/kulko")" = "#!" ] || fail "bin/kulko, kulko-start and kulko-systemy are not the launcher"
"$prefix/bin/kulko-wyniki" sprawdz --baza "$prefix/share/kulko/kulko.txt" >"$scratch/check" ||
    fail "the results tool rejects the shipped history"
[ "$(head -n 1 "$scratch/check")" = "Struktura bazy wynikow prawidłowa" ] || fail "results tool: $(cat "$scratch/check")"
[ "$(ls "$prefix/share/kulko/Ikonki" | grep -c '\.jpg$')" -eq 49 ] || fail "not 49 ball pictures"
grep -qx "Exec=$prefix/bin/kulko" "$prefix/share/applications/kulko.desktop" ||
    fail "desktop entry does not start the installed launcher"
grep -qx "Icon=kulko" "$prefix/share/applications/kulko.desktop" || fail "desktop entry without icon"
grep -qx "Exec=$prefix/bin/kulko-start --systemy" "$prefix/share/applications/kulko-systemy.desktop" ||
    fail "systems entry does not start the installed launcher with --systemy"
grep -qx "Name=Kulko – systemy" "$prefix/share/applications/kulko-systemy.desktop" ||
    fail "systems entry not named"
# The installed systems program reads the installed table (it would say so
# on its error output if it could not) and prints tickets alone.
"$prefix/bin/kulko-systemy" system 1-20 --gwarancja 3z3 --czas 1 >"$scratch/system" 2>"$scratch/report" ||
    fail "kulko-systemy: $(cat "$scratch/report")"
! grep -q "tabela systemów" "$scratch/report" || fail "kulko-systemy: $(cat "$scratch/report")"
! grep -qvx '[0-9;]*' "$scratch/system" || fail "kulko-systemy printed more than tickets"
[ "$(wc -l <"$scratch/system")" -gt 0 ] || fail "kulko-systemy printed no tickets"
for size in 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/kulko.png"
    [ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "no PNG at $icon"
done

# The program itself would open its window; the stand-in notes where it runs.
cat >"$prefix/libexec/kulko/kulko" <<'STANDIN'
#!/bin/sh
pwd >"$HOME/started-in"
printf '%s' "${KULKO_UPDATE_HOST:-}" >"$HOME/update-host"
STANDIN
cat >"$prefix/libexec/kulko/kulko-systemy" <<'STANDIN'
#!/bin/sh
pwd >"$HOME/systemy-started-in"
STANDIN

export HOME="$scratch/home"
mkdir -p "$HOME"
unset XDG_DATA_HOME
# The launcher starts a window only with a screen or a chosen platform.
export QT_QPA_PLATFORM=offscreen
work="$HOME/.local/share/kulko"
"$prefix/bin/kulko"
[ "$(cat "$HOME/started-in")" = "$work" ] || fail "not started in $work"
cmp -s "$work/kulko.txt" "$prefix/share/kulko/kulko.txt" || fail "history not seeded"
[ "$(ls "$work/Ikonki" | grep -c '\.jpg$')" -eq 49 ] || fail "ball pictures not seeded"

# A later start keeps the user's files and only fills in what is missing.
printf '0001;01.01.2000;1;2;3;4;5;6\r\n' >"$work/kulko.txt"
printf 'mine' >"$work/Ikonki/7.jpg"
rm "$work/Ikonki/8.jpg"
"$prefix/bin/kulko-start"
[ "$(cat "$work/kulko.txt")" = "$(printf '0001;01.01.2000;1;2;3;4;5;6\r\n')" ] || fail "history overwritten"
[ "$(cat "$work/Ikonki/7.jpg")" = "mine" ] || fail "a picture overwritten"
cmp -s "$work/Ikonki/8.jpg" "$prefix/share/kulko/Ikonki/8.jpg" || fail "missing picture not restored"
[ ! -e "$work/kulko.txt.new" ] || fail "scratch copy left behind"

# The systems window starts in the same directory, from its menu entry's
# kulko-start --systemy and from its own name.
"$prefix/bin/kulko-start" --systemy
[ "$(cat "$HOME/systemy-started-in")" = "$work" ] || fail "kulko-systemy not started in $work"
rm "$HOME/systemy-started-in" && (cd "$scratch" && "$prefix/bin/kulko-systemy")
[ "$(cat "$HOME/systemy-started-in")" = "$work" ] || fail "kulko-systemy not started in $work by its name"

# kulko-start: XDG_DATA_HOME moves the working directory; the update host reaches the program.
XDG_DATA_HOME="$scratch/data" KULKO_UPDATE_HOST=127.0.0.1:8080 "$prefix/bin/kulko-start"
[ "$(cat "$HOME/started-in")" = "$scratch/data/kulko" ] || fail "XDG_DATA_HOME not used"
[ "$(cat "$HOME/update-host")" = "127.0.0.1:8080" ] || fail "KULKO_UPDATE_HOST not passed on"

# A directory named on the command line, relative to the terminal's, through
# a link on the user's own path; then what starts nothing and says why: help,
# a file in the directory's place, two directories, an unknown option. The
# terminal's directory keeps only the one named.
mkdir -p "$HOME/bin" "$scratch/terminal" && ln -s "$prefix/bin/kulko" "$HOME/bin/kulko"
cd "$scratch/terminal"
"$HOME/bin/kulko" "moje losy" && cmp -s "moje losy/kulko.txt" "$prefix/share/kulko/kulko.txt" &&
    [ "$(cat "$HOME/started-in")" = "$scratch/terminal/moje losy" ] || fail "not started in KATALOG"
rm "$HOME/started-in" && touch "$scratch/plik"
kulko() { "$prefix/bin/kulko" "$@" 2>&1 && echo started || true; }
kulko --help | grep -q "^Użycie: kulko \[KATALOG\]" || fail "no help"
[ "$({ kulko "$scratch/plik"; kulko a b; kulko -x; } | grep -c '^kulko: ')" -eq 3 ] || fail "wrong arguments"
[ ! -e "$HOME/started-in" ] && [ "$(ls)" = "moje losy" ] || fail "the program started"
echo "install test: ok"
