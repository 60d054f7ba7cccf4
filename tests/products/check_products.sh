#!/usr/bin/env bash
# Checks the two built programs of one build directory as files: exact lengths, "MZ", the PE
# format of the architecture, GUI subsystem, ASLR and DEP, the padding section inside the image,
# and nothing after the last section.
#   check_products.sh <products dir> <objdump> <expected format, e.g. pei-i386>
set -u
# objdump translates its report under the tests' Chinese locale; the checks read the English one.
export LC_ALL=C
dir=$1 objdump=$2 format=$3
fail=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAIL: $1"; fail=1; fi; }

# End of the last section's raw data: file offset plus size rounded up to the 512-byte alignment.
sections_end() {
  local max=0 index name size vma lma offset rest end
  while read -r index name size vma lma offset rest; do
    [[ $index =~ ^[0-9]+$ ]] || continue
    end=$(( 0x$offset + (0x$size + 511) / 512 * 512 ))
    (( end > max )) && max=$end
  done < <("$objdump" -h "$1")
  echo "$max"
}

for entry in Brindlowen.exe:1085440 uninst.exe:774144; do
  name=${entry%%:*} size=${entry##*:} exe=$dir/$name
  if [ ! -f "$exe" ]; then echo "FAIL: $exe not built"; fail=1; continue; fi
  dump=$("$objdump" -p "$exe")
  check "$name is exactly $size bytes" '[ "$(stat -c %s "$exe")" = "$size" ]'
  check "$name begins with MZ" '[ "$(head -c 2 "$exe")" = MZ ]'
  check "$name file format $format" 'grep -q "file format $format\$" <<<"$dump"'
  check "$name subsystem Windows GUI" 'grep -qE "^Subsystem[[:space:]]+00000002" <<<"$dump"'
  check "$name DYNAMIC_BASE and NX_COMPAT" 'grep -q DYNAMIC_BASE <<<"$dump" && grep -q NX_COMPAT <<<"$dump"'
  check "$name has its .pad section" '"$objdump" -h "$exe" | grep -qE "^ +[0-9]+ \.pad "'
  check "$name ends with its last section" '[ "$(sections_end "$exe")" = "$(stat -c %s "$exe")" ]'
done
exit $fail
