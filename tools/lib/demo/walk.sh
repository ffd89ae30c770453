# The headless demo: the configurator on a virtual display (Xvfb), walked
# through a full configuration of the first speaker by keyboard as a user would
# do it, with a screenshot of each page. Sourced by ./network, which provides
# $PROGRAM, $work, $shots, $languages and the process ids.

# shellcheck shell=bash
# shellcheck disable=SC2154 # work, shots and the process ids come from ./network

readonly WALK_HIDDEN_SSID="Gartenhaus"
readonly WALK_HIDDEN_PASSWORD="Garten-2024!"
readonly WINDOW_TIMEOUT=30 # seconds for a page to appear
readonly REPLY_TIMEOUT=15  # seconds for a request to reach the speaker
readonly EMPTY_LIST_SECONDS=16 # until the empty list has said why

window_manager_pid=

# The screen is 800x600 without a window manager unless VANTIR_DEMO_SCREEN (e.g. 1024x600) and
# VANTIR_DEMO_WINDOW_MANAGER (e.g. metacity) say otherwise.
start_virtual_display()
{
    start_xvfb "$work" "${VANTIR_DEMO_SCREEN:-800x600}" \
        || demo_die "no virtual display could be started"
    [ -n "${VANTIR_DEMO_WINDOW_MANAGER:-}" ] || return 0
    command -v "$VANTIR_DEMO_WINDOW_MANAGER" >/dev/null \
        || demo_die "no window manager \"$VANTIR_DEMO_WINDOW_MANAGER\" on this machine"
    "$VANTIR_DEMO_WINDOW_MANAGER" >"$work/window-manager.log" 2>&1 </dev/null &
    window_manager_pid=$!
    demo_say "window manager $VANTIR_DEMO_WINDOW_MANAGER (pid $window_manager_pid)"
}

# The id of the visible window titled exactly TITLE, waiting for it.
window_titled()
{
    local id
    id=$(timeout "$WINDOW_TIMEOUT" xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null \
        | head -n 1) || true
    [ -n "$id" ] || demo_die "no window \"$1\" appeared within $WINDOW_TIMEOUT s (log: see above)"
    echo "$id"
}

# Keys go to the window that has the focus, as they would from a keyboard.
press()
{
    local window=$1
    shift
    timeout 5 xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
    sleep 0.3
    xdotool key --clearmodifiers "$@"
}

type_text()
{
    xdotool type --clearmodifiers --delay 40 -- "$1"
}

# True once the list below the page's header picture shows a selected row
# (the highlight colour of the toolkit's default palette): the rows are in.
row_selected()
{
    local pixels
    import -window "$1" "$work/probe.png" 2>/dev/null || return 1
    pixels=$(convert "$work/probe.png" -crop 620x130+10+330 +repage -format %c histogram:info:- \
        | awk 'toupper($0) ~ /#308CC6/ { print $1 + 0 }')
    [ "${pixels:-0}" -gt 2000 ]
}

wait_for_rows()
{
    wait_for 20 row_selected "$1" || demo_warn "the list of \"$2\" still shows no selected row"
}

screenshot()
{
    local file="$shots/$1.png"
    # Let the page finish painting what just arrived.
    sleep 0.7
    import -window "$2" "$file"
    demo_say "screenshot $file"
}

# The speaker in the first row: the one that was asked for its WLANs.
chosen=
# Per speaker, the lines its record held when the current walk began.
walk_start=()

# True once the chosen speaker (before the choice: any speaker) has received
# a request of ACTION. The record files hold one JSON line per request.
has_request()
{
    local index
    for index in "${!SPEAKER_NAMES[@]}"; do
        [ -z "$chosen" ] || [ "$chosen" = "$index" ] || continue
        if tail -n "+$((${walk_start[index]:-0} + 1))" "$work/speaker$index.record" 2>/dev/null \
            | grep -qF "\\\"action\\\": \\\"$1\\\""; then
            chosen=$index
            return 0
        fi
    done
    return 1
}

# True once the chosen speaker has received COUNT requests of ACTION in this walk.
has_requests()
{
    [ -n "$chosen" ] || return 1
    [ "$(tail -n "+$((${walk_start[chosen]:-0} + 1))" "$work/speaker$chosen.record" 2>/dev/null \
        | grep -cF "\\\"action\\\": \\\"$1\\\"")" -ge "$2" ]
}

# True once the speaker list has seen the speaker come back as NAME.
speaker_back()
{
    grep -qF "Speaker back under its new name: \"$1\"" "$work/program.log"
}

program_exited()
{
    ! is_running "$program_pid"
}

show_program_log()
{
    echo "run: --- the configurator's log ---" >&2
    tail -n 30 "$work/program.log" >&2 || true
}

# The setconfig request as the speaker received it: request line, headers, body.
print_setconfig_request()
{
    grep -F '\"action\": \"setconfig\"' "$work/speaker$chosen.record" | tail -n 1 \
        | jq -r '"\(.method) \(.target) \(.version)",
                 (.headers[] | "\(.[0]): \(.[1])"),
                 "",
                 .body'
}

# True once the speaker that is not listed has received a request of ACTION in this walk.
unlisted_asked()
{
    tail -n "+$((unlisted_start + 1))" "$work/unlisted.record" 2>/dev/null \
        | grep -qF "\\\"action\\\": \\\"$1\\\""
}

# For a walk in LANGUAGE: its locale, the speaker's new name, the access key of "Add by
# address…", and the titles of the pages and of the boxes that the walk looks for (as patterns: a letter beyond ASCII is matched by ".*",
# whichever encoding the window name carries it in).
set_language()
{
    case $1 in
    en)
        key_address=a locale=en_US.UTF-8 new_name="VANTIR Ovix Studio"
        title_list="VANTIR Ovix Configurator" title_wlans="Select WLAN"
        title_settings="Speaker WLAN Settings" title_info=Info
        ;;
    de)
        key_address=a locale=de_DE.UTF-8 new_name="VANTIR Ovix Arbeitszimmer"
        title_list="VANTIR Ovix Konfigurator" title_wlans="WLAN ausw.*hlen"
        title_settings="WLAN Einstellungen" title_info=Info
        ;;
    es)
        key_address=p locale=es_ES.UTF-8 new_name="VANTIR Ovix Despacho"
        title_list="Configurador VANTIR Ovix" title_wlans="Elegir red wifi"
        title_settings="Ajustes wifi del altavoz" title_info="Informaci.*n"
        ;;
    fr)
        key_address=a locale=fr_FR.UTF-8 new_name="VANTIR Ovix Bureau"
        title_list="Configurateur VANTIR Ovix" title_wlans="Choisir le r.*seau Wi-Fi"
        title_settings="R.*glages Wi-Fi de l.*enceinte" title_info=Info
        ;;
    it)
        key_address=t locale=it_IT.UTF-8 new_name="VANTIR Ovix Studiolo"
        title_list="Configuratore VANTIR Ovix" title_wlans="Scegli la rete Wi-Fi"
        title_settings="Impostazioni Wi-Fi dell.*altoparlante" title_info=Info
        ;;
    nl)
        key_address=o locale=nl_NL.UTF-8 new_name="VANTIR Ovix Werkkamer"
        title_list="VANTIR Ovix Configurator" title_wlans="Wifinetwerk kiezen"
        title_settings="Wifi-instellingen van de luidspreker" title_info=Info
        ;;
    pl)
        key_address=a locale=pl_PL.UTF-8 new_name="VANTIR Ovix Gabinet"
        title_list="Konfigurator VANTIR Ovix" title_wlans="Wybierz sie.* Wi-Fi"
        title_settings="Ustawienia Wi-Fi g.*o.*nika" title_info=Informacja
        ;;
    *)
        demo_die "the demo has no walk in \"$1\""
        ;;
    esac
}

# True once a visible window titled exactly TITLE is there.
window_shown()
{
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1
}

no_window_shown()
{
    ! window_shown "$1"
}

# One walk through the wizard in LANGUAGE (en, de, ...), configuring the speaker
# in the first row to the language's new name; its screenshots go to
# $shots/LANGUAGE/.
walk_in_language()
{
    local language=$1 window tries index wlans
    local locale new_name title_list title_wlans title_settings title_info key_address
    local unlisted_start
    set_language "$language"
    mkdir -p "$shots/$language"
    # Only the requests of this walk count.
    chosen=
    for index in "${!SPEAKER_NAMES[@]}"; do
        walk_start[index]=$(wc -l 2>/dev/null <"$work/speaker$index.record" || echo 0)
    done
    unlisted_start=$(wc -l 2>/dev/null <"$work/unlisted.record" || echo 0)

    LC_ALL=$locale QT_QPA_PLATFORM=xcb "$PROGRAM" </dev/null >"$work/program.log" 2>&1 &
    program_pid=$!
    demo_say "configurator started in \"$language\" (pid $program_pid)"

    # 1. The speaker list; both speakers are announced already, so the first
    # complete list is the one that the browser delivers right after start.
    window=$(window_titled "$title_list")
    wait_for_rows "$window" "$title_list"
    screenshot "$language/1-speaker-list" "$window"
    # "Next >>" is the default button and the first row is selected. Should the
    # list still be empty, the press does nothing: try again.
    for ((tries = 0; tries < 4; tries++)); do
        press "$window" Return
        wait_for "$REPLY_TIMEOUT" window_shown "$title_wlans" && break
        is_running "$program_pid" || break
    done

    # 2. The WLAN page while the speaker scans, then its list.
    window=$(window_titled "$title_wlans")
    screenshot "$language/2-select-wlan-scanning" "$window"
    wait_for "$REPLY_TIMEOUT" has_request wifiscan \
        || { show_program_log; demo_die "the speaker was not asked for its WLANs"; }
    wait_for "$REPLY_TIMEOUT" has_request query || demo_warn "no device query arrived"
    wait_for_rows "$window" "$title_wlans"
    # The WLAN this computer is on is marked, and chosen.
    screenshot "$language/3-select-wlan" "$window"

    # "Other network…", after "Rescan" behind the list: the settings page for a WLAN that
    # the speaker does not list, its name and password typed. Escape brings the WLAN page
    # back, and Shift+Tab from "Other network…" its list.
    press "$window" Tab Tab space
    other=$(window_titled "$title_settings")
    press "$other" Tab
    type_text "$WALK_HIDDEN_SSID"
    xdotool key --clearmodifiers Tab Tab
    type_text "$WALK_HIDDEN_PASSWORD"
    screenshot "$language/3-select-wlan-other-network" "$other"
    press "$other" Escape
    window=$(window_titled "$title_wlans")
    press "$window" shift+Tab shift+Tab Return

    # 3. The settings: a new name, and the WLAN password that this computer knows, taken
    # with "Use this computer's password" (after the field and "Show password").
    window=$(window_titled "$title_settings")
    screenshot "$language/4-settings" "$window"
    press "$window" ctrl+a
    type_text "$new_name"
    xdotool key --clearmodifiers Tab Tab Tab space
    sleep 1
    xdotool key --clearmodifiers shift+Tab shift+Tab
    screenshot "$language/5-settings-filled" "$window"
    press "$window" Return
    screenshot "$language/6-settings-sending" "$window"
    wait_for "$REPLY_TIMEOUT" has_request setconfig \
        || { show_program_log; demo_die "the speaker received no setconfig"; }

    # 4. The speaker's answers. Busy at first, it refuses the settings with a reason of its
    # own, which the box shows whole; SAVE again, and it takes them.
    window=$(window_titled "$title_info")
    screenshot "$language/7-settings-refused" root
    press "$window" Return
    wait_for 10 no_window_shown "$title_info" || demo_warn "the refusal's box did not close"
    window=$(window_titled "$title_settings")
    press "$window" Return
    wait_for "$REPLY_TIMEOUT" has_requests setconfig 2 \
        || { show_program_log; demo_die "the speaker received no second setconfig"; }
    # The whole screen: the box over the speaker list, which stays open.
    window=$(window_titled "$title_info")
    screenshot "$language/8-success" root
    press "$window" Return

    demo_say "the setconfig request that the speaker \"${SPEAKER_NAMES[$chosen]}\" received:"
    echo "----------------------------------------------------------------"
    print_setconfig_request
    echo "----------------------------------------------------------------"

    # 5. The speaker reboots into its new configuration: the speaker list shows
    # that it waits for it, then finds it again under the new name and says so
    # on a line.
    window=$(window_titled "$title_list")
    if speaker_back "$new_name"; then
        demo_warn "the speaker was back before the list's wait could be seen"
    else
        screenshot "$language/9-speaker-list-waiting" "$window"
    fi
    if wait_for 30 speaker_back "$new_name"; then
        sleep 0.3
        screenshot "$language/10-speaker-list-speaker-back" "$window"
    else
        demo_warn "the speaker list did not see \"$new_name\" come back"
    fi

    # 6. The speaker that DNS-SD does not bring: "Add by address…", its address typed, and
    # Return. It is listed, chosen, and its WLAN page opens as for any other.
    press "$window" "alt+$key_address"
    sleep 1
    type_text "$UNLISTED_ADDRESS"
    screenshot "$language/11-add-by-address" root
    xdotool key --clearmodifiers Return
    wait_for "$REPLY_TIMEOUT" unlisted_asked query \
        || { show_program_log; demo_die "the speaker at $UNLISTED_ADDRESS was not asked"; }
    sleep 1
    screenshot "$language/12-speaker-list-by-address" "$window"
    press "$window" Return
    wait_for "$REPLY_TIMEOUT" unlisted_asked wifiscan \
        || { show_program_log; demo_die "the speaker at $UNLISTED_ADDRESS was not asked for its WLANs"; }
    wlans=$(window_titled "$title_wlans")
    wait_for_rows "$wlans" "$title_wlans"
    screenshot "$language/13-select-wlan-by-address" "$wlans"
    press "$wlans" Escape

    # 7. Escape on the speaker list closes the last window and ends the program.
    press "$window" Escape
    if ! wait_for 10 program_exited; then
        demo_warn "the configurator did not end by itself"
        stop_process "$program_pid" vantir-configurator
    fi
    wait "$program_pid" 2>/dev/null || true
    program_pid=
}

# Before any speaker is announced, in the first language: the list stays empty, and once it has
# waited the line under it says why (here: nothing at all is announced on this network).
show_empty_list()
{
    local language=${languages%%,*} window
    local locale new_name title_list title_wlans title_settings title_info key_address
    set_language "$language"
    mkdir -p "$shots/$language"
    LC_ALL=$locale QT_QPA_PLATFORM=xcb "$PROGRAM" </dev/null >"$work/program.log" 2>&1 &
    program_pid=$!
    window=$(window_titled "$title_list")
    # The list's own wait, then the short listen for any announcement.
    sleep "$EMPTY_LIST_SECONDS"
    screenshot "$language/0-speaker-list-empty" "$window"
    stop_process "$program_pid" vantir-configurator
    program_pid=
}

# One walk per language of $languages, each on the speaker then in the first row
# (by default English, then German on the other one).
walk_through_wizard()
{
    local language
    for language in ${languages//,/ }; do
        walk_in_language "$language"
    done
    demo_say "screenshots in $shots"
}
