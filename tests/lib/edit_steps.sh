# Step files of kesto-sim edit, run through both builds. A step file names
# its action line and options in a line "# edit: ARGUMENTS" (shell words);
# FILE.expected, where it exists, is what the output must be.
native_kesto_sim=${NATIVE_KESTO_SIM:-$SOURCE_DIR/build/native/tools/kesto-sim}

step_file_arguments() {  # FILE: the words after "# edit:"
  sed -n 's/^# edit: //p' "$1" | head -1
}

# Runs FILE through the native and the win32 kesto-sim; both outputs must
# be the same (and equal FILE.expected if there is one).
compare_step_file() {
  local file=$1 name arguments native win32
  name=$(basename "$file" .steps)
  arguments=$(step_file_arguments "$file")
  if [ -z "$arguments" ]; then
    echo "FAIL: $name: no '# edit:' line"
    failures=$((failures + 1))
    return
  fi
  eval "set -- $arguments"
  native=$("$native_kesto_sim" edit "$@" <"$file" 2>/dev/null)
  win32=$(timeout 300 "$KESTO_SIM" edit "$@" <"$file" 2>/dev/null)
  check_equal "$name: win32 under Wine as native" "$native" "$win32"
  if [ -f "${file%.steps}.expected" ]; then
    check_equal "$name: as expected" "$(cat "${file%.steps}.expected")" "$native"
  fi
}
