# The Debian packages Tournel builds, tests and runs with. Sourced by the scripts in tools/.
TOURNEL_PACKAGES=(
    cmake make g++ python3 clang clang-format libclang-rt-14-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    nlohmann-json3-dev libical-dev libcsv-dev libcli11-dev
    qt6-base-dev qt6-base-dev-tools libgl-dev xvfb xauth
    qt6-charts-dev libqt6opengl6-dev
    poppler-utils tidy python3-icalendar
)

tournel_install_packages()
{
    local missing=()
    for package in "${TOURNEL_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" != 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}
