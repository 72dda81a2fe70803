#!/usr/bin/env bash
# Installs what Quillon needs on a Debian 12 machine (only the missing packages) and builds it into
# build/. Safe to run again: it does only what is not done yet.
#   scripts/setup.sh                  everything, with the full output of apt-get, CMake and Ninja
#   scripts/setup.sh --quiet          only the steps and the build's progress; the full output goes to
#                                     build/setup.log and its end is shown when a step fails
#   scripts/setup.sh --packages-only  only the packages
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-serialport-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-svg-dev
    # the zip file of "Fehlerbericht speichern..."
    libzip-dev
    # Qt's own dialogs (files, printing, page setup) in the program's language
    qt6-translations-l10n
    # the Debian package and the checks of the installed launchers and document type
    dpkg-dev file desktop-file-utils shared-mime-info lintian
    fonts-liberation2 poppler-utils
    # the device history: Qt SQL's drivers for this PC's database and a plant's server, and the server
    # the history tests start for themselves
    libqt6sql6-sqlite libqt6sql6-psql postgresql
)

quiet=false
packages_only=false
for argument in "$@"; do
    case "$argument" in
    --quiet) quiet=true ;;
    --packages-only) packages_only=true ;;
    *)
        echo "scripts/setup.sh: unknown option $argument" >&2
        exit 2
        ;;
    esac
done

log=build/setup.log

# The step lines ("== …") of the output; on a terminal also the build's progress counter on one line.
show_steps() {
    local counting=false line
    while IFS= read -r line; do
        if [[ "$line" == "== "* ]]; then
            $counting && printf '\n'
            counting=false
            printf '%s\n' "$line"
        elif [[ -t 1 && "$line" =~ ^\[([0-9]+/[0-9]+)\] ]]; then
            printf '\r   %s' "${BASH_REMATCH[1]}"
            counting=true
        fi
    done
    $counting && printf '\n'
    return 0
}

# Runs one step: in full, or quietly with its output in the log.
step() {
    if ! $quiet; then
        "$@"
        return
    fi
    if ! "$@" 2>&1 | tee -a "$log" | show_steps; then
        echo "== Failed: $* (the end of $log follows)" >&2
        tail -n 40 "$log" >&2
        exit 1
    fi
}

if $quiet; then
    mkdir -p build
    : >"$log"
fi

step scripts/install-packages.sh "${PACKAGES[@]}"
if $packages_only; then
    exit 0
fi

echo "== Configuring and building into build/ (the first build takes several minutes)"
step cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
step cmake --build build -j2
