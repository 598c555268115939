#!/usr/bin/env bash
# Installs the Debian packages that are missing, of one of two sets:
#   run   what building the client and the test game server and running them with the
#         local chat server need (tools/run-client.sh);
#   test  (the default) besides, what the test command needs: clang with its runtime
#         libraries, lld and the benchmark library (tools/run-tests.sh, the build alone).
# Usage: tools/setup.sh [run|test]
# Idempotent and quiet: apt-get runs only when something is missing. Where it cannot
# install (no sudo, or sudo refuses), it names the missing packages and the command to
# run as root.
set -euo pipefail

packages=(
    build-essential cmake ninja-build ccache pkg-config python3 openssl
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    qt6-translations-l10n
    qt6-svg-dev libqt6svgwidgets6 qt6-multimedia-dev
    qt6-webengine-dev qt6-webengine-dev-tools libqt6webenginecore6-bin qt6-webchannel-dev
    libqt6opengl6-dev libgl-dev
    libboost-program-options-dev libpng-dev
    ejabberd erlang-p1-sqlite3
    fonts-noto-cjk fonts-dejavu-core
)
case "${1:-test}" in
run) ;;
test) packages+=(clang libclang-rt-dev lld libbenchmark-dev) ;;
*)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -gt 0 ] || exit 0

# The ejabberd package starts its system service on installation; the tests and the run
# command start servers of their own on free ports and do not need it. Only the service
# installed just now is stopped, by its name; any other running server is left alone.
stop_service=""
if [[ " ${missing[*]} " == *" ejabberd "* ]]; then
    if [ -d /run/systemd/system ]; then
        stop_service="systemctl disable --now ejabberd.service"
    else
        stop_service="service ejabberd stop; update-rc.d ejabberd disable"
    fi
fi

# Where nothing can install them here: what is missing, and the command that does what
# this script would do.
name_root_command() {
    echo "setup: these packages are missing: ${missing[*]}" >&2
    echo "setup: $1; as root, run:" >&2
    echo "  apt-get update && apt-get install --no-install-recommends ${missing[*]}${stop_service:+ && { $stop_service; \}}" >&2
    exit 1
}

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
        name_root_command "there is no sudo to install them with"
    fi
    # A password is asked for only where someone can type it.
    if ! sudo -n true 2>/dev/null && ! { [ -t 0 ] && sudo -v; }; then
        name_root_command "sudo does not let this user install them (or needs a password, and there is no terminal to type it in)"
    fi
    SUDO="sudo"
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
if [ -n "$stop_service" ]; then
    $SUDO sh -c "$stop_service" >/dev/null 2>&1 || true
fi
