#!/bin/sh
# Installs the Debian/Ubuntu packages the build and the tests need.
# Quiet and quick when everything is already there.
set -eu

packages="g++ make cmake pkg-config qt6-base-dev p7zip-full googletest libgtest-dev
libgmock-dev libcli11-dev fonts-dejavu-core xvfb xauth python3"
# Targets beyond the build (the fuzzer) name the packages they need instead.
[ "$#" -gt 0 ] && packages="$*"

missing=""
for package in $packages; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    case "$status" in
        *" installed") ;;
        *) missing="$missing $package" ;;
    esac
done

[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
    sudo=""
elif command -v sudo >/dev/null 2>&1; then
    sudo="sudo"
else
    echo "These packages are missing and neither root nor sudo is available:$missing" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
