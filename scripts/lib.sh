# Shared by scripts/run and scripts/test: install what is missing, configure
# and build one build tree. Sourced, not run.

ZT_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ZT_PACKAGES=(cmake g++ make pkg-config libnewmat10-dev qt6-base-dev libgtest-dev googletest fonts-dejavu-core
  libopenblas-dev liblapacke-dev libedit-dev poppler-utils libblas3 liblapack3 libgmp-dev clang
  libclang-rt-dev zlib1g-dev libfast-float-dev)

zt_install_missing() {
  local missing=()
  local p
  for p in "${ZT_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# zt_build DIR [cmake options...]: configure once, then build incrementally.
zt_build() {
  local dir=$1
  shift
  cmake -S "$ZT_ROOT" -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}

# The reference BLAS and LAPACK (libblas3, liblapack3) as LD_PRELOAD takes
# them: their own files, since the alternatives' libblas.so.3 may be OpenBLAS.
zt_reference_blas() {
  dpkg -L libblas3 liblapack3 | grep -E '/blas/libblas\.so\.3$|/lapack/liblapack\.so\.3$' | paste -sd: -
}
