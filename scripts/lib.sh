# Shared by the scripts: the Release build in build/ (warnings as errors, tests included) and the
# sanitizer build in build-asan/. Sourced, not run.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
jobs=$(nproc 2>/dev/null || echo 2)

configure() {  # configure DIR [cmake args...]
    local dir=$1
    shift
    if ! cmake -S . -B "$dir" -G Ninja "$@" >"$dir.configure.log" 2>&1; then
        cat "$dir.configure.log" >&2
        echo "Configuring $dir failed." >&2
        return 1
    fi
}

build() {  # build DIR [targets...]
    local dir=$1
    shift
    local targets=()
    for t in "$@"; do targets+=(--target "$t"); done
    cmake --build "$dir" -j "$jobs" "${targets[@]}" -- --quiet 2>/dev/null ||
        cmake --build "$dir" -j "$jobs" "${targets[@]}"
}

check_format() {  # every tracked C++ file as the project's .clang-format lays it out
    local unformatted=() f
    while IFS= read -r -d '' f; do
        clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || unformatted+=("$f")
    done < <(git ls-files -z -- '*.cpp' '*.h')
    if [ ${#unformatted[@]} -gt 0 ]; then
        echo "Not formatted with the project's .clang-format (clang-format -i FILE... fixes them):" >&2
        printf '  %s\n' "${unformatted[@]}" >&2
        return 1
    fi
}

release_build() {
    configure build -DCMAKE_BUILD_TYPE=Release -DTARVOLIN_WERROR=ON && build build "$@"
}

fuzz_build() {  # the libFuzzer targets in build-fuzz/ (clang, AddressSanitizer and UndefinedBehaviorSanitizer)
    CC=clang CXX=clang++ configure build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVOLIN_FUZZ=ON \
        -DTARVOLIN_TESTS=OFF -DTARVOLIN_DESKTOP=OFF && build build-fuzz "$@"
}
fuzz_targets=(settings_file settings_startup numbers replay_script engine)
# Inputs each target runs in scripts/test: some ten seconds apiece.
declare -A fuzz_runs=([settings_file]=3000 [settings_startup]=1000 [numbers]=50000 [replay_script]=2000
                      [engine]=200000)
