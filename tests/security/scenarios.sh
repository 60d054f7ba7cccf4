# The wizard writes nowhere but the paths its pages and literals name, writes only under its own
# uninstall key, and opens only its three fixed web addresses.

# Every file of the prefix's drive C with its size and modification time.
snapshot_files() { (cd "$WINEPREFIX/drive_c" && find . -type f -printf '%p|%s|%T@\n' | sort); }
# The registry as reg exports it (no timestamps), for the two hives a program can write. Wine's
# reg now and then ends without writing the file; it is asked again, and a hive that still could
# not be exported is named in $E2E_DIR/snapshot-failed (an empty hive would look like all new).
snapshot_registry() {
  local hive try tmp=$E2E_DIR/export.reg
  for hive in HKLM HKCU; do
    for try in 1 2 3; do
      rm -f "$tmp"
      "$WINE" reg export "$hive" "$(winepath_of "$tmp")" /y >/dev/null 2>&1 && [ -s "$tmp" ] && break
      sleep 1
    done
    if [ -s "$tmp" ]; then
      iconv -f UTF-16LE -t UTF-8 "$tmp" 2>/dev/null | tr -d '\r'
    else
      echo "$hive" >> "$E2E_DIR/snapshot-failed"
    fi
  done
}

# Lines of the "after" snapshot that are new or changed, with Wine's own churn taken out.
changed_lines() { comm -13 "$1" "$2"; }

# Wine's own writes on every run, whatever program runs:
# - windows/: Wine's logs, its font and registry caches and temporary files;
# - the registry keys Wine keeps up to date at each start: the dynamic hardware and session data
#   under HKLM\System, HKLM\Hardware and HKLM\Software\Wine, the per-user Wine settings and the
#   window-manager state under HKCU\Software\Wine, and HKCU\Volatile Environment.
wine_churn_files='^\./windows/'
wine_churn_registry='^\[HKEY_LOCAL_MACHINE\\(System|SYSTEM|Hardware|HARDWARE|Software\\Wine|SOFTWARE\\Wine)|^\[HKEY_CURRENT_USER\\(Software\\Wine|Volatile Environment)'

# Keeps only the value lines and key headers of an exported registry whose key is not churn.
registry_lines() {
  churn=$wine_churn_registry awk '
    /^\[/ { key = $0; keep = ($0 !~ ENVIRON["churn"]); if (keep) print key; next }
    keep && NF { print key " " $0 }'
}

scenario_writes_only_its_own_paths() {
  mkdir -p "$E2E_DIR/bin"
  printf '#!/bin/sh\necho "$@" >> %s/urls\n' "$E2E_DIR" > "$E2E_DIR/bin/xdg-open"
  chmod +x "$E2E_DIR/bin/xdg-open"
  snapshot_files > "$E2E_DIR/files.before"
  snapshot_registry | registry_lines | sort > "$E2E_DIR/reg.before"

  PATH="$E2E_DIR/bin:$PATH" e2e_launch "$WIZARD" || return
  to_follow
  click "$WEIBO"; click "$QQ"; click "$AGREEMENT_LINK"
  click "$INSTALL_FOLLOW"; sleep 1.5
  click "$FINISH"
  e2e_wait_exit 60
  e2e_check "exit code 0 (got $E2E_EXIT)" exit_code_is 0

  snapshot_files > "$E2E_DIR/files.after"
  snapshot_registry | registry_lines | sort > "$E2E_DIR/reg.after"

  local user; user=$(id -un)
  local files; files=$(changed_lines "$E2E_DIR/files.before" "$E2E_DIR/files.after" | cut -d'|' -f1 \
    | grep -vE "$wine_churn_files" | sort)
  local expected
  expected=$(printf '%s\n' \
    "./Program Files/zavrin/Brindlowen.exe" "./Program Files/zavrin/uninst.exe" \
    "./ProgramData/Microsoft/Windows/Start Menu/Programs/zavrin/Brindlowen.exe" \
    "./ProgramData/Microsoft/Windows/Start Menu/Programs/zavrin/uninst.exe" \
    "./users/$user/Desktop/Brindlowen.lnk" | sort)
  e2e_log "files written: $(tr '\n' ';' <<<"$files")"
  e2e_check "files written are exactly the install, the Start-menu copy and the link" [ "$files" = "$expected" ]

  e2e_check "both hives exported before and after the run ($(xargs < "$E2E_DIR/snapshot-failed" 2>/dev/null))" \
    [ ! -e "$E2E_DIR/snapshot-failed" ]
  local keys; keys=$(changed_lines "$E2E_DIR/reg.before" "$E2E_DIR/reg.after" | sed -n 's/^\(\[[^]]*\]\).*/\1/p' | sort -u)
  e2e_log "registry keys written: $(tr '\n' ';' <<<"$keys")"
  e2e_check "registry writes only under its uninstall key" \
    [ "$keys" = '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall\Nubrel]' ]
  local values; values=$(changed_lines "$E2E_DIR/reg.before" "$E2E_DIR/reg.after" | grep -c '"=' || true)
  e2e_check "six values under it (got $values)" [ "$values" = 6 ]

  local opened want
  opened=$(sort -u "$E2E_DIR/urls" 2>/dev/null)
  want=$(sed -n 's/.*k\(WeiboPage\|QqContact\|Agreement\)\[\] *= *"\([^"]*\)".*/\2/p' "$REPO/app/web_addresses.h" | sort -u)
  e2e_log "addresses opened: $(tr '\n' ' ' <<<"$opened")"
  e2e_check "only its three fixed web addresses were opened" [ -n "$want" ] && [ "$opened" = "$want" ]
}
