# Process-level scenarios of the finish step's failure report, on top of the end-to-end driver
# and the shared scenario helpers (tests/e2e/scenarios.sh).
# shellcheck disable=SC2034

scenario_finish_reports_blocked_shortcut() {
  # A folder named like the link stands on the desktop: the shortcut cannot be made.
  mkdir -p "$(e2e_desktop)/Brindlowen.lnk"
  e2e_launch "$WIZARD" || return
  to_progress
  click "$FINISH"
  local shown=0
  e2e_wait_box "错误" 60 && shown=1
  e2e_check "the user is told that the shortcut failed" [ "$shown" = 1 ]
  e2e_check "the wizard waits for the box before it ends" still_running
  e2e_key Return
  e2e_wait_exit 60
  e2e_check "exit code 0 (got $E2E_EXIT)" exit_code_is 0
  e2e_check "the folder in the way is untouched" test -d "$(e2e_desktop)/Brindlowen.lnk"
  e2e_check "the Start-menu copy was still made" has_startmenu_copy
}

scenario_finish_reports_nothing_when_all_went_well() {
  e2e_launch "$WIZARD" || return
  to_progress
  e2e_check "no failure box after the install step" e2e_no_box "错误"
  click "$FINISH"
  e2e_wait_exit 60
  e2e_check "exit code 0 without any box (got $E2E_EXIT)" exit_code_is 0
}

scenario_install_reports_failed_registry_and_files() {
  # The install directory is a file: both payloads fail, the registry values are still written
  # and the wizard shows the progress page after the box.
  mkdir -p "$(e2e_c 'C:\Program Files')"
  echo "in the way" > "$(e2e_c "$INSTALL")"
  e2e_launch "$WIZARD" || return
  to_follow
  click "$INSTALL_FOLLOW"
  local shown=0
  e2e_wait_box "错误" 20 && shown=1
  e2e_check "failure box shown" [ "$shown" = 1 ]
  e2e_key Return
  sleep 1
  e2e_check "registry values written all the same" [ "$(e2e_reg "$KEY" DisplayName)" = Brindlowen ]
  e2e_check "the wizard goes on to the progress page" still_running
  click "$FINISH"
  e2e_wait_exit 60
  e2e_check "Finish still ends with exit code 0 (got $E2E_EXIT)" exit_code_is 0
}
