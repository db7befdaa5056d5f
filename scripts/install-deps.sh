#!/usr/bin/env bash
# Installs the Debian packages that are missing for the given tasks, as root
# or through sudo:
#
#   scripts/install-deps.sh [run] [test] [package]
#
#   run      building and running the program (the default; scripts/run.sh)
#   package  building and checking the Debian package (scripts/package.sh)
#   test     building and running every test, benchmark and fuzz target
#            (scripts/test.sh); the tests build and check the package too
set -euo pipefail

run=(
    build-essential cmake
    qt6-base-dev libgl-dev qt6-translations-l10n
    libjpeg62-turbo-dev libcurl4-openssl-dev
    fonts-dejavu-core fonts-liberation2 fonts-wine xdg-utils
)
package=(dpkg-dev file lintian appstream desktop-file-utils)
test=(
    pkg-config libgtest-dev libgmock-dev libbenchmark-dev libcpp-httplib-dev
    clang libclang-rt-14-dev locales strace
)

packages=("${run[@]}")
for task in "$@"; do
    case "$task" in
    run) ;;
    package) packages+=("${package[@]}") ;;
    test) packages+=("${package[@]}" "${test[@]}") ;;
    *)
        echo "install-deps.sh: unknown task $task (run, test, package)" >&2
        exit 2
        ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
