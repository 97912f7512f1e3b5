# Round trips of the eight actions: the parameters an editor writes, given to
# `kesto-sim exec` as an action line, must produce the action's script.
# Source after check.sh; set `sim` to the kesto-sim to use for both halves.

# The action line of an edit session's `param` lines.
action_line_of_params() {  # ACTION, edit output
  local line=$1
  while IFS=$'\t' read -r kind _ text; do
    [ "$kind" = param ] && line+=" \"$text\""
  done <<<"$2"
  printf '%s' "$line"
}

# NAME, the action line to edit, the author's steps ("\n" between them), and
# the line the plug-in must send to Kesto's script processor.
round_trip() {
  local name=$1 edit_line=$2 steps=$3 expected=$4 edited action line sent
  action=${edit_line%% *}
  edited=$(printf '%b\n' "$steps" | "$sim" edit "$edit_line" --pick Rect1 2>&1)
  check_contains "$name: the editor confirmed" "result	1" "$edited"
  line=$(action_line_of_params "$action" "$edited")
  sent=$("$sim" exec "$line" 2>&1)
  check_equal "$name: $line" "send	$expected
result	1" "$sent"
}

run_round_trips() {
  round_trip "ZUVO_Set text" 'ZUVO_Set "" "" "" ""' \
    'type "Control ID:" lbl_title\nchoose "Property:" "caption  -  Text displayed in the label"\ntype Value: "It'"'"'s done"\nclick OK' \
    "TavixExecScript \"Rect1\" \"window.ZUVO.setProp('lbl_title','caption','It\\'s done');\" \"\" \"[ZUVO.ExecResult]\""
  round_trip "ZUVO_Set choice" 'ZUVO_Set "Rect0" "button:btn_ok" "style" "ghost"' \
    'choose Value: secondary\nclick OK' \
    "TavixExecScript \"Rect1\" \"window.ZUVO.setProp('btn_ok','style','secondary');\" \"\" \"[ZUVO.ExecResult]\""
  round_trip "ZUVO_Set gradient" 'ZUVO_Set "Rect1" "*style:btn_main" "style.background" "#fff"' \
    'click Gradient...\nchoose Type: radial\nclick OK\nclick OK' \
    "TavixExecScript \"Rect1\" \"window.ZUVO.setProp('btn_main','style.background','radial-gradient(circle,#cc2244,#2244cc)');\" \"\" \"[ZUVO.ExecResult]\""
  round_trip "ZUVO_Get property" 'ZUVO_Get "" "" "" ""' \
    'type "Control ID:" txt_name\nchoose "Property:" "value  -  Current text in the field"\ntype "Result Var:" Name\nclick OK' \
    "TavixExecScript \"Rect1\" \"(function(){var _r=window.ZUVO?window.ZUVO.getPropSync('txt_name','value'):'undefined';window.chrome.webview.postMessage('ZUVO_VALUE:value|'+String(_r===undefined||_r===null?'':_r));})();\" \"\" \"[ZUVO.ExecResult]\""
  round_trip "ZUVO_Get key" 'ZUVO_Get "" "txt_name" "value" ""' \
    'choose Read: "Page Count"\nclick OK' \
    "TavixExecScript \"Rect1\" \"(function(){var _v=window.ZUVO&&window.ZUVO.getPageCount?window.ZUVO.getPageCount():0;window.chrome.webview.postMessage('ZUVO_VALUE:PageCount|'+String(_v));})();\" \"\" \"[ZUVO.ExecResult]\""
  round_trip "ZUVO_Visibility" 'ZUVO_Visibility "" "" ""' \
    'type "Control ID:" " btn_ok "\nchoose Action: Hide\nclick OK' \
    "TavixExecScript \"Rect1\" \"window.ZUVO.hide('btn_ok');\" \"\" \"[ZUVO.ExecResult]\""
  round_trip "ZUVO_Navigate" 'ZUVO_Navigate "" "" ""' \
    'choose Action: "Go to Page  (by name)"\ntype "Page Name:" Results\nclick OK' \
    "TavixExecScript \"Rect1\" \"window.ZUVO.showPage('Results');\" \"\" \"[ZUVO.ExecResult]\""
  round_trip "ZUVO_Items" 'ZUVO_Items "" "" "" ""' \
    'type "Control ID:" cbo_color\nchoose Action: "Add Item  (ComboBox / ListBox)"\ntype "New Item:" Red\nclick OK' \
    "TavixExecScript \"Rect1\" \"(function(){var e=document.getElementById('cbo_color');if(!e)return;if(e.tagName==='SELECT'){var o=document.createElement('option');o.value='Red';o.textContent='Red';e.appendChild(o);}else{var d=document.createElement('div');d.className='zuvo-listbox-item';d.dataset.index=e.querySelectorAll('.zuvo-listbox-item').length;d.textContent='Red';e.appendChild(d);}})();\" \"\" \"[ZUVO.ExecResult]\""
  round_trip "ZUVO_GoSub" 'ZUVO_GoSub ""' \
    'type Subroutine: OnSaveComplete\nclick OK' \
    'GoSub "OnSaveComplete"'
  round_trip "ZUVO_AddRow" 'ZUVO_AddRow "" "" ""' \
    'type "Table ID:" tbl_staff\ntype "Cell Values:" "Alice Chen,Engineering"\nclick OK' \
    "TavixExecScript \"Rect1\" \"window.ZUVO.setProp('tbl_staff','addrow','Alice Chen,Engineering');\" \"\" \"[ZUVO.ExecResult]\""
  round_trip "ZUVO_ClearRows" 'ZUVO_ClearRows "" ""' \
    'type "Table ID:" tbl_staff\nclick OK' \
    "TavixExecScript \"Rect1\" \"window.ZUVO.setProp('tbl_staff','clearrows','');\" \"\" \"[ZUVO.ExecResult]\""
}
