# Debian 12 packages, one list for each command and test stage, and the step
# that installs those that are missing. Sourced after tools/lib/common.sh.

# shellcheck shell=bash
# shellcheck disable=SC2034 # the lists are for the scripts that source this
# shellcheck disable=SC2154 # root comes from common.sh

# tools/run: building the program (and, as in every script, its simulator and
# tests), running it and its demo on a private DNS-SD network, on a virtual
# display when there is none. The demo's NetworkManager is python3-dbusmock; the tests drop mDNS
# there with nftables. With Qt 5 the program reads the X resources through libxcb before its
# application object exists, and with both the Wayland compositor's globals through
# libwayland-client.
VANTIR_RUN_PACKAGES=(
    cmake g++ make pkg-config
    qtbase5-dev qttools5-dev qttools5-dev-tools libxcb1-dev libwayland-dev
    libavahi-compat-libdnssd-dev libavahi-compat-libdnssd1
    avahi-daemon avahi-utils libnss-mdns dbus dbus-daemon iproute2 python3-dbusmock nftables
    libcpp-httplib-dev nlohmann-json3-dev
    xvfb xauth xdotool imagemagick fonts-dejavu-core jq
)

# The same with Qt 6 (VANTIR_QT_MAJOR=6, build-qt6/), and its Wayland platform for the tests.
VANTIR_QT6_PACKAGES=(qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools qt6-wayland)

# tools/test, each stage what it needs beyond VANTIR_RUN_PACKAGES. The suite reads the pages
# as a screen reader does, through the AT-SPI bus, and starts the program on X11 (Xvfb) and on
# Wayland (weston's and sway's headless back ends, Qt 5's Wayland platform); the wayland stage
# needs what qt5 needs.
# The scripts stage runs a private DNS-SD network too (what tools/dnssd-net leaves behind), before
# any other stage has installed its daemons.
VANTIR_SCRIPTS_PACKAGES=(shellcheck python3 avahi-daemon avahi-utils libnss-mdns dbus dbus-daemon
    iproute2)
VANTIR_ACCESSIBILITY_PACKAGES=(at-spi2-core python3-pyatspi)
VANTIR_WAYLAND_PACKAGES=(weston sway qtwayland5)
VANTIR_QT5_PACKAGES=(libxcb1-dev "${VANTIR_ACCESSIBILITY_PACKAGES[@]}"
    "${VANTIR_WAYLAND_PACKAGES[@]}")
VANTIR_PACKAGE_PACKAGES=(dpkg-dev lintian desktop-file-utils appstream man-db)
VANTIR_SANITIZE_PACKAGES=(libxcb1-dev "${VANTIR_ACCESSIBILITY_PACKAGES[@]}"
    "${VANTIR_WAYLAND_PACKAGES[@]}" clang-14 libclang-rt-14-dev libfuzzer-14-dev llvm-14)
# Where these cannot be installed, the stage is skipped (but not in CI).
VANTIR_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix wine64)

# tools/bench: it publishes speakers through Avahi's D-Bus interface and
# watches windows through libxcb, and on Wayland in the protocol logs of weston and sway.
VANTIR_BENCH_PACKAGES=(libxcb1-dev python3 python3-avahi python3-dbus
    "${VANTIR_WAYLAND_PACKAGES[@]}")

# ensure_packages PACKAGE...: installs those of the packages that are missing.
ensure_packages()
{
    local missing=() pkg
    for pkg in "$@"; do
        if [ "$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null)" != "install ok installed" ]; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    say "installing missing packages (as root): ${missing[*]}"
    as_root "$root/tools/lib/install-packages" "${missing[@]}"
}
