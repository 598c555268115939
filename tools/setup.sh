#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running the client need.
# Idempotent and quiet: apt-get runs only when something is missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build ccache pkg-config python3 openssl
    clang libclang-rt-dev lld
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    qt6-translations-l10n
    qt6-svg-dev libqt6svgwidgets6 qt6-multimedia-dev
    qt6-webengine-dev qt6-webengine-dev-tools libqt6webenginecore6-bin qt6-webchannel-dev
    libqt6opengl6-dev libgl-dev
    libboost-program-options-dev libbenchmark-dev libpng-dev
    ejabberd erlang-p1-sqlite3
    fonts-noto-cjk fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "setup: these packages are missing: ${missing[*]}" >&2
            echo "setup: there is no sudo to install them with; as root, run:" >&2
            echo "  apt-get update && apt-get install --no-install-recommends ${missing[*]}" >&2
            exit 1
        fi
        SUDO="sudo"
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    # The ejabberd package starts its system service on installation; the tests run
    # their own server on free ports and do not need it. Only the service installed
    # just now is stopped, by its name; any other running server is left alone.
    if printf '%s\n' "${missing[@]}" | grep -qx ejabberd; then
        if [ -d /run/systemd/system ]; then
            $SUDO systemctl disable --now ejabberd.service >/dev/null 2>&1 || true
        else
            $SUDO service ejabberd stop >/dev/null 2>&1 || true
            $SUDO update-rc.d ejabberd disable >/dev/null 2>&1 || true
        fi
    fi
fi
