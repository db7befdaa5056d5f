#!/usr/bin/env bash
# Installs the Debian packages the program and its tests need, only those
# that are missing. Runs as root or through sudo.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev libgl-dev
    libjpeg62-turbo-dev libcurl4-openssl-dev
    libgtest-dev libgmock-dev libbenchmark-dev libcpp-httplib-dev
    clang libclang-rt-14-dev
    fonts-dejavu-core fonts-liberation2 fonts-wine locales xdg-utils
    dpkg-dev file lintian appstream
    strace
)

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
