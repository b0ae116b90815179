#!/usr/bin/env bash
# Installs the Debian packages the build needs, skipping those already present.
#   scripts/install-deps.sh          what building and running the program needs
#   scripts/install-deps.sh --test   also what the tests need (Xvfb, xdotool, clang's fuzzer)
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-qpa-plugins libxcb1-dev libxkbcommon-dev
          libgtest-dev libbenchmark-dev fonts-wqy-microhei)
if [[ "${1:-}" == "--test" ]]; then
    packages+=(xvfb xdotool x11-utils clang libclang-rt-dev)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
