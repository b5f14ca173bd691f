# Sourced by the build scripts: sets `compiler_cache` to the CMake options that
# put ccache in front of the compiler, or to nothing where ccache is missing.
# A full sanitizer build takes most of the test run on two cores; the cache
# makes a rebuild of unchanged sources, in this clone or in another clone of
# the repository on the same machine, cost only the lookups. Paths are hashed
# relative to the clone, so that a fresh clone in another folder hits too.
compiler_cache=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR="$PWD"
  export CCACHE_NOHASHDIR=1
  compiler_cache=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
