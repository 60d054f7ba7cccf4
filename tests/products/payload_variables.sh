#!/usr/bin/env bash
# The payload cache variables: a maker's own files of any size are accepted, and a missing one
# stops the configuration with a message naming the variable.
#   payload_variables.sh <source dir> <toolchain file> <dependency prefix>
set -u
source_dir=$1 toolchain=$2 deps=$3
work=$(mktemp -d /tmp/brindlowen-payload-vars.XXXXXX)
trap 'rm -rf "$work"' EXIT
fail=0

configure() {  # configure <name> <cmake -D arguments...>: output in $work/<name>.log
  local name=$1
  shift
  cmake -S "$source_dir" -B "$work/$name" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DBRINDLOWEN_DEPS_PREFIX="$deps" -DBUILD_TESTING=OFF "$@" >"$work/$name.log" 2>&1
}

expect_error() {  # expect_error <name> <variable> <value>
  local name=$1 variable=$2 value=$3
  if configure "$name" "-D$variable=$value"; then
    echo "FAIL: $name: configuration succeeded"; fail=1
  elif tr -s ' \n' ' ' <"$work/$name.log" | grep -q "$variable names \"$value\", which is not an existing file"; then
    echo "ok: $name"
  else
    echo "FAIL: $name: no message naming $variable"; cat "$work/$name.log"; fail=1
  fi
}

mkdir -p "$work/files"
expect_error missing-application BRINDLOWEN_APP_PAYLOAD "$work/files/absent.exe"
expect_error missing-uninstaller BRINDLOWEN_UNINSTALLER_PAYLOAD "$work/files/absent.exe"
expect_error directory-as-payload BRINDLOWEN_APP_PAYLOAD "$work/files"

# Files of the maker's own, one of them empty: accepted as they are.
printf 'MZ own reader' >"$work/files/reader.exe"
: >"$work/files/empty.exe"
if configure own-files -DBRINDLOWEN_APP_PAYLOAD="$work/files/reader.exe" \
     -DBRINDLOWEN_UNINSTALLER_PAYLOAD="$work/files/empty.exe" &&
   grep -q "^BRINDLOWEN_APP_PAYLOAD:FILEPATH=$work/files/reader.exe\$" "$work/own-files/CMakeCache.txt" &&
   grep -q "^BRINDLOWEN_UNINSTALLER_PAYLOAD:FILEPATH=$work/files/empty.exe\$" "$work/own-files/CMakeCache.txt"; then
  echo "ok: own files accepted"
else
  echo "FAIL: own files not accepted"; cat "$work/own-files.log"; fail=1
fi

# Without settings the payloads are the programs this build makes.
if configure defaults && grep -q "^BRINDLOWEN_APP_PAYLOAD:FILEPATH=$work/defaults/products/Brindlowen.exe\$" \
     "$work/defaults/CMakeCache.txt"; then
  echo "ok: defaults are the built programs"
else
  echo "FAIL: default payloads"; cat "$work/defaults.log"; fail=1
fi
exit $fail
