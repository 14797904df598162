# Shared by run.sh and test.sh: installs what is missing, then configures and
# builds into build/. Sourced, not run.

banknotes_packages=(cmake g++ qt6-base-dev libgtest-dev libbenchmark-dev fonts-liberation xvfb xauth)

banknotes_install_missing() {
  local missing=() package
  for package in "${banknotes_packages[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0

  echo "Installing: ${missing[*]}"
  local apt=(env DEBIAN_FRONTEND=noninteractive apt-get)
  if [ "$(id -u)" -eq 0 ]; then
    "${apt[@]}" update && "${apt[@]}" install -y "${missing[@]}"
  elif command -v sudo >/dev/null 2>&1; then
    sudo "${apt[@]}" update && sudo "${apt[@]}" install -y "${missing[@]}"
  else
    echo "Cannot install without root. Run:" >&2
    echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
    return 1
  fi
}

banknotes_build() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" && cmake --build "$dir" -j "$(nproc)"
}
