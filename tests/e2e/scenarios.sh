# End-to-end scenarios: each runs the real wizard in a fresh prefix and clicks like a person.
# Places are page client coordinates of the controls' centres (the pages are centred on the screen).
# shellcheck disable=SC2034

KEY='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Nubrel'
INSTALL='C:\Program Files\zavrin'
STARTMENU='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\zavrin'

# Buttons along the bottom row, and the other controls the user can reach.
NEXT_WELCOME="352 221";   CANCEL_WELCOME="427 221"
BACK_DIR="287 221";       NEXT_DIR="352 221";      CANCEL_DIR="427 221"
BACK_FOLLOW="287 221";    INSTALL_FOLLOW="352 221"; CANCEL_FOLLOW="427 221"
WEIBO="150 120";          QQ="330 120";            AGREEMENT_LINK="232 192"; AGREEMENT_BOX="27 192"
FINISH="427 221";         DESKTOP_BOX="27 192";    STARTMENU_BOX="191 192"
NEUTRAL="240 150"  # page background: no handler

click() { e2e_click $1; }

to_directory() { click "$NEXT_WELCOME"; }
to_follow() { to_directory; click "$NEXT_DIR"; }
to_progress() { to_follow; click "$INSTALL_FOLLOW"; sleep 1.5; }

installed() { [ -f "$(e2e_c "$INSTALL\\Brindlowen.exe")" ] && [ -f "$(e2e_c "$INSTALL\\uninst.exe")" ]; }
not_installed() { ! [ -e "$(e2e_c "$INSTALL\\Brindlowen.exe")" ] && [ -z "$(e2e_reg "$KEY" DisplayName)" ]; }
same_file() { cmp -s "$1" "$2"; }
exit_code_is() { [ "$E2E_EXIT" = "$1" ]; }
link_file() { printf '%s/Brindlowen.lnk' "$(e2e_desktop)"; }
has_link() { [ -f "$(link_file)" ]; }
has_startmenu_copy() {
  same_file "$(e2e_c "$STARTMENU\\Brindlowen.exe")" "$APP_PAYLOAD" && same_file "$(e2e_c "$STARTMENU\\uninst.exe")" "$UNINST_PAYLOAD"
}
no_temp_files() { [ -z "$(find "$(e2e_c "$INSTALL")" -maxdepth 1 -name '*.tmp*' 2>/dev/null)" ]; }
still_running() { e2e_alive; }

check_full_install() {
  e2e_check "Brindlowen.exe equals the payload" same_file "$(e2e_c "$INSTALL\\Brindlowen.exe")" "$APP_PAYLOAD"
  e2e_check "uninst.exe equals the payload" same_file "$(e2e_c "$INSTALL\\uninst.exe")" "$UNINST_PAYLOAD"
  local name want got
  while IFS='|' read -r name want; do
    got=$(e2e_reg "$KEY" "$name")
    e2e_check "registry $name = $want (got '$got')" [ "$got" = "$want" ]
  done <<VALUES
DisplayIcon|C:\\Program Files\\zavrin\\Brindlowen.exe
DisplayName|Brindlowen
DisplayVersion|1.3
UninstallString|C:\\Program Files\\zavrin\\uninst.exe
Publisher|Brindlo
URLInfoAbout|$URL_INFO_ABOUT
VALUES
}

check_link() {
  local info target description
  info=$("$WINE" "$LNKINFO" "$(winepath_of "$(link_file)")" 2>/dev/null | tr -d '\r')
  target=$(sed -n 1p <<<"$info")
  description=$(sed -n 2p <<<"$info" | iconv -f CP936 -t UTF-8 2>/dev/null)
  e2e_check "desktop link points to C:\\Program Files\\zavrin\\Brindlowen.exe (got '$target')" \
    [ "$target" = 'C:\Program Files\zavrin\Brindlowen.exe' ]
  e2e_check "desktop link description (got '$description')" [ "$description" = "看美文，就选Brindlo！" ]
}

# The page offers the window manager the program's own icon for its task-bar button: the
# icon's one 64 x 64 image (without an icon, Wine would offer its default 32 x 32 one).
has_program_icon() {
  local id
  id=$(e2e_wait_for Brindlowen 5) || return 1
  xprop -id "$id" _NET_WM_ICON | grep -q 'Icon (64 x 64)'
}

winepath_of() { "$WINE" winepath -w "$1" 2>/dev/null | tr -d '\r'; }

# ---- scenarios ------------------------------------------------------------------------------------

scenario_typical_run() {
  e2e_launch "$WIZARD" || return
  e2e_check "the page shows the program icon on its task-bar button" has_program_icon
  to_progress
  click "$FINISH"
  e2e_wait_exit 60
  e2e_check "exit code 0 (got $E2E_EXIT)" exit_code_is 0
  check_full_install
  e2e_check "desktop link exists" has_link
  has_link && check_link
  e2e_check "Start-menu folder holds copies of both files" has_startmenu_copy
}

cancel_on() {  # NAVIGATE CANCEL_PLACE
  e2e_launch "$WIZARD" || return
  $1
  click "$2"
  e2e_check "Cancel asks for confirmation" e2e_wait_box "提示"
  e2e_key n
  e2e_check "No leaves the wizard running" still_running
  e2e_check "No closes the box" e2e_no_box "提示"
  click "$2"
  e2e_wait_box "提示"
  e2e_key y
  e2e_wait_exit 20
  e2e_check "Yes ends with exit code 0 (got $E2E_EXIT)" exit_code_is 0
  e2e_check "nothing installed" not_installed
}
scenario_cancel_welcome() { cancel_on : "$CANCEL_WELCOME"; }
scenario_cancel_directory() { cancel_on to_directory "$CANCEL_DIR"; }
scenario_cancel_follow() { cancel_on to_follow "$CANCEL_FOLLOW"; }

altf4_on() {  # NAVIGATE
  e2e_launch "$WIZARD" || return
  $1
  click "$NEUTRAL"
  e2e_key alt+F4
  e2e_wait_exit 20
  e2e_check "Alt+F4 ends without asking, exit code 0 (got $E2E_EXIT)" exit_code_is 0
  e2e_check "no confirmation was shown" e2e_no_box "提示"
}
scenario_altf4_welcome() { altf4_on :; e2e_check "nothing installed" not_installed; }
scenario_altf4_directory() { altf4_on to_directory; e2e_check "nothing installed" not_installed; }
scenario_altf4_follow() { altf4_on to_follow; e2e_check "nothing installed" not_installed; }
scenario_altf4_progress() {
  altf4_on to_progress
  e2e_check "the install step had run" installed
  e2e_check "no desktop link" bash -c "! [ -e '$(link_file)' ]"
  e2e_check "no temporary files left" no_temp_files
}

scenario_agreement_gate() {
  e2e_launch "$WIZARD" || return
  to_follow
  click "$AGREEMENT_BOX"            # unticked: Next disabled
  click "$INSTALL_FOLLOW"
  e2e_check "disabled Next does nothing" not_installed
  click "$AGREEMENT_BOX"            # ticked: Next enabled
  e2e_key space                     # keyboard untick: Next stays enabled
  click "$INSTALL_FOLLOW"           # enabled Next with the box unticked: disables itself, stays
  e2e_check "Next with the box unticked stays on the page" not_installed
  e2e_key space                     # keyboard tick: Next stays disabled
  click "$INSTALL_FOLLOW"
  e2e_check "Next disabled by the press stays disabled" not_installed
  click "$AGREEMENT_BOX"            # unticked by mouse
  click "$AGREEMENT_BOX"            # ticked by mouse: Next enabled again
  click "$INSTALL_FOLLOW"
  sleep 1.5
  e2e_check "ticked again, Next installs" installed
  e2e_check "still running on the last page" still_running
}

scenario_back_and_next_rebuild_pages() {
  e2e_launch "$WIZARD" || return
  to_follow
  click "$AGREEMENT_BOX"            # untick and so disable Next
  click "$BACK_FOLLOW"
  click "$BACK_DIR"
  click "$NEXT_WELCOME"
  click "$NEXT_DIR"                 # FollowPage built afresh: ticked and enabled
  click "$INSTALL_FOLLOW"
  sleep 1.5
  e2e_check "rebuilt FollowPage lets the install run" installed
  click "$FINISH"
  e2e_wait_exit 60
  e2e_check "exit code 0 (got $E2E_EXIT)" exit_code_is 0
}

finish_with() {  # UNTICK_PLACES...
  e2e_launch "$WIZARD" || return
  to_progress
  local p
  for p in "$@"; do click "$p"; done
  click "$FINISH"
  e2e_wait_exit 60
  e2e_check "exit code 0 (got $E2E_EXIT)" exit_code_is 0
}
scenario_finish_neither() {
  finish_with "$DESKTOP_BOX" "$STARTMENU_BOX"
  e2e_check "no desktop link" bash -c "! [ -e '$(link_file)' ]"
  e2e_check "no Start-menu folder" bash -c "! [ -e '$(e2e_c "$STARTMENU")' ]"
}
scenario_finish_desktop_only() {
  finish_with "$STARTMENU_BOX"
  e2e_check "desktop link exists" has_link
  e2e_check "no Start-menu folder" bash -c "! [ -e '$(e2e_c "$STARTMENU")' ]"
}
scenario_finish_startmenu_only() {
  finish_with "$DESKTOP_BOX"
  e2e_check "no desktop link" bash -c "! [ -e '$(link_file)' ]"
  e2e_check "Start-menu copy made" has_startmenu_copy
}

scenario_links_open_in_browser() {
  mkdir -p "$E2E_DIR/bin"
  printf '#!/bin/sh\necho "$@" >> %s/urls\n' "$E2E_DIR" > "$E2E_DIR/bin/xdg-open"
  chmod +x "$E2E_DIR/bin/xdg-open"
  PATH="$E2E_DIR/bin:$PATH" e2e_launch "$WIZARD" || return
  to_follow
  click "$WEIBO"; click "$QQ"; click "$AGREEMENT_LINK"; click "$WEIBO"
  sleep 2
  local urls; urls=$(cat "$E2E_DIR/urls" 2>/dev/null)
  e2e_log "recorded: $(tr '\n' ' ' <<<"$urls")"
  e2e_check "four addresses handed over" [ "$(wc -l <<<"$urls")" -eq 4 ]
  e2e_check "Weibo page first" bash -c "sed -n 1p <<<'$urls' | grep -qE '^http://[^/]+/[^/]+/\$'"
  e2e_check "QQ contact with v, uin, site, menu" bash -c "sed -n 2p <<<'$urls' | grep -qE '^http://[^/]+/msgrd\\?v=1&uin=[0-9]+&site=[^&]+&menu=yes\$'"
  e2e_check "agreement text" bash -c "sed -n 3p <<<'$urls' | grep -qE '^http://[^/]+/thread-5038-1-1.html\$'"
  e2e_check "the page stays open" still_running
}

# ---- faults survived, nothing lost ------------------------------------------------------------------

# A box with the error icon that names what failed; its caption is "错误". Prints the box's text.
failure_box_shown() { e2e_wait_box "错误" 20; }

scenario_fault_install_dir_is_a_file() {
  # A file stands where the install directory should be: neither payload can be written.
  mkdir -p "$(e2e_c 'C:\Program Files')"
  echo "not a directory" > "$(e2e_c "$INSTALL")"
  e2e_launch "$WIZARD" || return
  to_follow
  click "$INSTALL_FOLLOW"
  e2e_check "the user is told that the install failed" failure_box_shown
  e2e_key Return
  e2e_check "the file in the way is untouched" bash -c "[ \"\$(cat '$(e2e_c "$INSTALL")')\" = 'not a directory' ]"
  e2e_check "the wizard goes on running" still_running
}

scenario_fault_payload_held_open() {
  # Another process holds an old Brindlowen.exe open with no sharing.
  local dir; dir=$(e2e_c "$INSTALL"); mkdir -p "$dir"
  echo "old application" > "$dir/Brindlowen.exe"
  "$WINE" "$HOLDFILE" 'C:\Program Files\zavrin\Brindlowen.exe' > "$E2E_DIR/hold.out" 2>/dev/null &
  local holder=$!
  for _ in $(seq 1 50); do grep -q holding "$E2E_DIR/hold.out" 2>/dev/null && break; sleep 0.1; done
  e2e_launch "$WIZARD" || return
  to_follow
  click "$INSTALL_FOLLOW"
  e2e_check "the user is told that the install failed" failure_box_shown
  e2e_key Return
  touch "$dir/Brindlowen.exe.release"; wait "$holder" 2>/dev/null
  e2e_check "the old file is intact" bash -c "[ \"\$(cat '$dir/Brindlowen.exe')\" = 'old application' ]"
  e2e_check "uninst.exe was still written" same_file "$dir/uninst.exe" "$UNINST_PAYLOAD"
  e2e_check "no half-written file left" no_temp_files
}

scenario_fault_startmenu_keeps_user_files() {
  local sm; sm=$(e2e_c "$STARTMENU"); mkdir -p "$sm"
  echo "mine" > "$sm/notes.txt"
  e2e_launch "$WIZARD" || return
  to_progress
  click "$FINISH"
  e2e_wait_exit 60
  e2e_check "exit code 0 (got $E2E_EXIT)" exit_code_is 0
  e2e_check "the user's file survives untouched" bash -c "[ \"\$(cat '$sm/notes.txt')\" = mine ]"
  e2e_check "Start-menu copy made" has_startmenu_copy
}

scenario_fault_second_run_replaces_install() {
  e2e_launch "$WIZARD" || return
  to_progress; click "$FINISH"; e2e_wait_exit 60
  # Spoil what the first run left, then run again.
  echo "spoilt" > "$(e2e_c "$INSTALL\\Brindlowen.exe")"
  "$WINE" reg add "$KEY" /v DisplayName /t REG_SZ /d spoilt /f >/dev/null 2>&1
  e2e_launch "$WIZARD" || return
  to_progress; click "$FINISH"; e2e_wait_exit 60
  e2e_check "second run exit code 0 (got $E2E_EXIT)" exit_code_is 0
  check_full_install
}

make_big_tree() {  # a tree under the install directory that takes the copy a while
  local dir; dir=$(e2e_c "$INSTALL"); mkdir -p "$dir"
  local d f
  for d in $(seq 1 150); do
    mkdir -p "$dir/data/d$d"
    for f in 1 2 3 4; do head -c 20000 /dev/zero > "$dir/data/d$d/f$f.bin"; done
  done
}

scenario_fault_finish_pressed_twenty_times() {
  make_big_tree
  e2e_launch "$WIZARD" || return
  to_progress
  xdotool mousemove $((E2E_ORIGIN_X + 427)) $((E2E_ORIGIN_Y + 221)) click --repeat 20 --delay 40 1
  e2e_wait_exit 180
  e2e_check "exit code 0 after 20 presses (got $E2E_EXIT)" exit_code_is 0
  e2e_check "one complete copy of the tree" bash -c "diff -r '$(e2e_c "$INSTALL")' '$(e2e_c "$STARTMENU")' >/dev/null"
  e2e_check "no nested copy inside the target" bash -c "! [ -e '$(e2e_c "$STARTMENU")/zavrin' ]"
}

scenario_fault_altf4_during_copy() {
  make_big_tree
  e2e_launch "$WIZARD" || return
  to_progress
  click "$FINISH"
  xdotool key alt+F4
  e2e_wait_exit 180
  e2e_check "exit code 0 (got $E2E_EXIT)" exit_code_is 0
  # Every file that reached the Start-menu folder is whole.
  e2e_check "no half-written file in the copy" bash -c "
    cd '$(e2e_c "$STARTMENU")' 2>/dev/null || exit 0
    find . -type f | while read -r f; do cmp -s \"\$f\" '$(e2e_c "$INSTALL")/'\"\$f\" || exit 1; done"
}

scenario_fault_uninstall_key_denied() {
  # The uninstall key exists with an access list that denies setting values to everyone.
  # Output to a file: Wine's services started by this first process would hold a pipe open.
  "$WINE" "$DENYKEY" "${KEY#HKLM\\}" > "$E2E_DIR/denykey.out" 2>&1 </dev/null
  local denied; denied=$(tr -d '\r' < "$E2E_DIR/denykey.out")
  e2e_check "the system refuses writing to the key (denykey: $denied)" [ "$denied" = denied ]
  e2e_launch "$WIZARD" || return
  to_follow
  click "$INSTALL_FOLLOW"
  e2e_check "the user is told that the install failed" failure_box_shown
  e2e_key Return
  e2e_check "the payloads were still written" installed
  e2e_check "no value reached the key" [ -z "$(e2e_reg "$KEY" DisplayName)" ]
  e2e_check "the wizard goes on running" still_running
}
