#!/usr/bin/env bash
# Every action through the real DLL under Wine: the exact line Kesto's script
# processor receives for each action, Get key and silent stop.
set -uo pipefail
source "$SOURCE_DIR/tests/lib/check.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/actions.txt" <<'LINES'
ZUVO_Set "Rect1" "button:btn_ok" "caption" "Save"
ZUVO_Set "Rect1" "label:lbl_title" "text" "It's done"
ZUVO_Set "R" "a:b:c" "text" "say ""hi"" C:\new"
ZUVO_Set "R" "lbl" "text" ""
ZUVO_Set "R" "lbl" "" "v"
ZUVO_Set "R" "btn:" "text" "v"
ZUVO_Get "Rect1" "textInput:txt_name" "value" "[Name]"
ZUVO_Get "" "PAGE" "" "[X]"
ZUVO_Get "R" "PAGE_INDEX" "" "[X]"
ZUVO_Get "R" "PAGE_COUNT" "" "[X]"
ZUVO_Get "R" "SCREEN_W" "" "[X]"
ZUVO_Get "R" "SCREEN_H" "" "[X]"
ZUVO_Get "R" "ZUVO_TIME" "" "[X]"
ZUVO_Get "R" "ZUVO_DATE" "" "[X]"
ZUVO_Get "Rect1" "page" "" "[X]"
ZUVO_Visibility "Rect1" "btn" "show"
ZUVO_Visibility "Rect1" "btn" "Show"
ZUVO_Visibility "R" "btn" "Hide"
ZUVO_Visibility "R" "btn" "Enable"
ZUVO_Visibility "R" "btn" "Disable"
ZUVO_Visibility "R" "pnl" "Toggle"
ZUVO_Navigate "Rect1" "GoToPage" ""
ZUVO_Navigate "R" "GoToPage" "It's"
ZUVO_Navigate "R" "NextPage" ""
ZUVO_Navigate "R" "PrevPage" ""
ZUVO_Navigate "R" "Reload" ""
ZUVO_Navigate "" "Reload" ""
ZUVO_Items "R" "lst" "AddItem" "Apple"
ZUVO_Items "R" "lst" "ClearItems" ""
ZUVO_Items "R" "txt" "SetText" "a\b"
ZUVO_Items "R" "lst" "Clear" ""
ZUVO_GoSub "My Sub"
ZUVO_GoSub "say ""hi"""
ZUVO_GoSub ""
ZUVO_AddRow "R" "tbl" "Ann,12"
ZUVO_AddRow "R" "tbl" ""
ZUVO_ClearRows "R" "tbl"
ZUVO_ClearRows "R" ""
#9
#0
LINES

cat >"$work/expected.txt" <<'SENT'
send	TavixExecScript "Rect1" "window.ZUVO.setProp('btn_ok','caption','Save');" "" "[ZUVO.ExecResult]"
result	1
send	TavixExecScript "Rect1" "window.ZUVO.setProp('lbl_title','text','It\'s done');" "" "[ZUVO.ExecResult]"
result	1
send	TavixExecScript "R" "window.ZUVO.setProp('b:c','text','say \u0022hi\u0022 C:\\new');" "" "[ZUVO.ExecResult]"
result	1
send	TavixExecScript "R" "window.ZUVO.setProp('lbl','text','');" "" "[ZUVO.ExecResult]"
result	1
result	1
result	1
send	TavixExecScript "Rect1" "(function(){var _r=window.ZUVO?window.ZUVO.getPropSync('txt_name','value'):'undefined';window.chrome.webview.postMessage('ZUVO_VALUE:value|'+String(_r===undefined||_r===null?'':_r));})();" "" "[ZUVO.ExecResult]"
result	1
send	TavixExecScript "" "(function(){var _pg=window.ZUVO?window.ZUVO.getCurrentPage():'';window.chrome.webview.postMessage('ZUVO_VALUE:CurrentPage|'+String(_pg===undefined||_pg===null?'':_pg));})();" "" "[ZUVO.ExecResult]"
result	1
send	TavixExecScript "R" "(function(){var _v=window.ZUVO&&window.ZUVO.getCurrentPageIndex?window.ZUVO.getCurrentPageIndex():0;window.chrome.webview.postMessage('ZUVO_VALUE:CurrentPageIndex|'+String(_v));})();" "" "[ZUVO.ExecResult]"
result	1
send	TavixExecScript "R" "(function(){var _v=window.ZUVO&&window.ZUVO.getPageCount?window.ZUVO.getPageCount():0;window.chrome.webview.postMessage('ZUVO_VALUE:PageCount|'+String(_v));})();" "" "[ZUVO.ExecResult]"
result	1
send	TavixExecScript "R" "(function(){window.chrome.webview.postMessage('ZUVO_VALUE:ScreenWidth|'+String(window.innerWidth||0));})();" "" "[ZUVO.ExecResult]"
result	1
send	TavixExecScript "R" "(function(){window.chrome.webview.postMessage('ZUVO_VALUE:ScreenHeight|'+String(window.innerHeight||0));})();" "" "[ZUVO.ExecResult]"
result	1
send	TavixExecScript "R" "(function(){var _d=new Date(),_hh=String(_d.getHours()).padStart(2,'0'),_mm=String(_d.getMinutes()).padStart(2,'0'),_ss=String(_d.getSeconds()).padStart(2,'0');window.chrome.webview.postMessage('ZUVO_VALUE:Time|'+_hh+':'+_mm+':'+_ss);})();" "" "[ZUVO.ExecResult]"
result	1
send	TavixExecScript "R" "(function(){var _d=new Date(),_y=_d.getFullYear(),_mo=String(_d.getMonth()+1).padStart(2,'0'),_da=String(_d.getDate()).padStart(2,'0');window.chrome.webview.postMessage('ZUVO_VALUE:Date|'+_y+'-'+_mo+'-'+_da);})();" "" "[ZUVO.ExecResult]"
result	1
result	1
result	1
send	TavixExecScript "Rect1" "window.ZUVO.show('btn');" "" "[ZUVO.ExecResult]"
result	1
send	TavixExecScript "R" "window.ZUVO.hide('btn');" "" "[ZUVO.ExecResult]"
result	1
send	TavixExecScript "R" "window.ZUVO.enable('btn');" "" "[ZUVO.ExecResult]"
result	1
send	TavixExecScript "R" "window.ZUVO.disable('btn');" "" "[ZUVO.ExecResult]"
result	1
send	TavixExecScript "R" "(function(){var e=document.getElementById('pnl');if(e)window.ZUVO.setProp('pnl','visible',e.style.display==='none'?'true':'false');})();" "" "[ZUVO.ExecResult]"
result	1
send	TavixExecScript "Rect1" "window.ZUVO.showPage('');" "" "[ZUVO.ExecResult]"
result	1
send	TavixExecScript "R" "window.ZUVO.showPage('It\'s');" "" "[ZUVO.ExecResult]"
result	1
send	TavixExecScript "R" "window.ZUVO.nextPage();" "" "[ZUVO.ExecResult]"
result	1
send	TavixExecScript "R" "window.ZUVO.prevPage();" "" "[ZUVO.ExecResult]"
result	1
send	TavixExecScript "R" "location.reload();" "" "[ZUVO.ExecResult]"
result	1
result	1
send	TavixExecScript "R" "(function(){var e=document.getElementById('lst');if(!e)return;if(e.tagName==='SELECT'){var o=document.createElement('option');o.value='Apple';o.textContent='Apple';e.appendChild(o);}else{var d=document.createElement('div');d.className='zuvo-listbox-item';d.dataset.index=e.querySelectorAll('.zuvo-listbox-item').length;d.textContent='Apple';e.appendChild(d);}})();" "" "[ZUVO.ExecResult]"
result	1
send	TavixExecScript "R" "window.ZUVO.setProp('lst','items','');" "" "[ZUVO.ExecResult]"
result	1
send	TavixExecScript "R" "window.ZUVO.setProp('txt','value','a\\b');" "" "[ZUVO.ExecResult]"
result	1
result	1
send	GoSub "My Sub"
result	1
send	GoSub "say "hi""
result	1
result	1
send	TavixExecScript "R" "window.ZUVO.setProp('tbl','addrow','Ann,12');" "" "[ZUVO.ExecResult]"
result	1
result	1
send	TavixExecScript "R" "window.ZUVO.setProp('tbl','clearrows','');" "" "[ZUVO.ExecResult]"
result	1
result	1
result	0
result	0
SENT

check_equal "every action line through the DLL" "$(cat "$work/expected.txt")" "$("$KESTO_SIM" run "$work/actions.txt")"
check_equal "exec: an item with a line break goes as backslash and n" \
  "$(printf '%s\n%s' "send	TavixExecScript \"R\" \"window.ZUVO.setProp('t','value','a\\nb');\" \"\" \"[ZUVO.ExecResult]\"" "result	1")" \
  "$("$KESTO_SIM" exec "$(printf 'ZUVO_Items "R" "t" "SetText" "a\nb"')")"
check_equal "nothing reaches Kesto without a script processor" "$(printf 'result\t1\nresult\t1')" \
  "$("$KESTO_SIM" --no-script-processor exec 'ZUVO_Set "R" "c" "p" "v"' 'ZUVO_GoSub "Main"')"
finish
