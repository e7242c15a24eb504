# SPDX-FileCopyrightText: 2026 The neurosims developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by ./run and ./test: installs the Debian packages the build and the tests need,
# when any is missing (with sudo when not root).
NEUROSIMS_PACKAGES=(g++ cmake ninja-build ccache pkg-config qt6-base-dev libgl-dev zlib1g-dev
    libgtest-dev libgmock-dev libbenchmark-dev poppler-utils locales-all fonts-liberation
    fonts-liberation2 fonts-dejavu-core clang-format xvfb xauth time qt6-svg-dev
    dpkg-dev file desktop-file-utils appstream clang libclang-rt-14-dev reuse lintian
    groff-base man-db shared-mime-info xdg-utils libfile-mimeinfo-perl python3-dev pybind11-dev
    python3-numpy python3-pytest python3-matplotlib)

ensure_deps() {
    if ! command -v dpkg-query >/dev/null || ! command -v apt-get >/dev/null; then
        command -v cmake >/dev/null && command -v ninja >/dev/null && return 0
        echo "This system has no apt: install these packages (Debian names) or their" >&2
        echo "equivalents by hand, then run again:" >&2
        echo "  ${NEUROSIMS_PACKAGES[*]}" >&2
        return 1
    fi
    local missing=()
    for package in "${NEUROSIMS_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq \
        && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null \
        || { echo "Could not install: ${missing[*]}" >&2; return 1; }
}
