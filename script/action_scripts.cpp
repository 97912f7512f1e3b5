#include "script/action_scripts.h"

#include "script/script_escaping.h"

namespace {
// Holes: R rectangle, C control ID, P property, V value (or the file's data
// URI), N page name, T item text, B table ID, L cell values, S subroutine.
constexpr ActionScript kActionScripts[] = {
    {kZuvoSet, nullptr, u"window.ZUVO.setProp('{C}','{P}','{V}');"},

    {kZuvoGet, u"PAGE",
     u"(function(){var _pg=window.ZUVO?window.ZUVO.getCurrentPage():'';window.chrome.webview.postMessage("
     u"'ZUVO_VALUE:CurrentPage|'+String(_pg===undefined||_pg===null?'':_pg));})();"},
    {kZuvoGet, u"PAGE_INDEX",
     u"(function(){var _v=window.ZUVO&&window.ZUVO.getCurrentPageIndex?window.ZUVO.getCurrentPageIndex():0;"
     u"window.chrome.webview.postMessage('ZUVO_VALUE:CurrentPageIndex|'+String(_v));})();"},
    {kZuvoGet, u"PAGE_COUNT",
     u"(function(){var _v=window.ZUVO&&window.ZUVO.getPageCount?window.ZUVO.getPageCount():0;"
     u"window.chrome.webview.postMessage('ZUVO_VALUE:PageCount|'+String(_v));})();"},
    {kZuvoGet, u"SCREEN_W",
     u"(function(){window.chrome.webview.postMessage('ZUVO_VALUE:ScreenWidth|'+String(window.innerWidth||0));})();"},
    {kZuvoGet, u"SCREEN_H",
     u"(function(){window.chrome.webview.postMessage('ZUVO_VALUE:ScreenHeight|'+String(window.innerHeight||0));})"
     u"();"},
    {kZuvoGet, u"ZUVO_TIME",
     u"(function(){var _d=new Date(),_hh=String(_d.getHours()).padStart(2,'0'),_mm=String(_d.getMinutes())."
     u"padStart(2,'0'),_ss=String(_d.getSeconds()).padStart(2,'0');window.chrome.webview.postMessage("
     u"'ZUVO_VALUE:Time|'+_hh+':'+_mm+':'+_ss);})();"},
    {kZuvoGet, u"ZUVO_DATE",
     u"(function(){var _d=new Date(),_y=_d.getFullYear(),_mo=String(_d.getMonth()+1).padStart(2,'0'),_da="
     u"String(_d.getDate()).padStart(2,'0');window.chrome.webview.postMessage('ZUVO_VALUE:Date|'+_y+'-'+_mo+'-'+"
     u"_da);})();"},
    {kZuvoGet, nullptr,
     u"(function(){var _r=window.ZUVO?window.ZUVO.getPropSync('{C}','{P}'):'undefined';window.chrome.webview."
     u"postMessage('ZUVO_VALUE:{P}|'+String(_r===undefined||_r===null?'':_r));})();"},

    {kZuvoVisibility, u"Show", u"window.ZUVO.show('{C}');"},
    {kZuvoVisibility, u"Hide", u"window.ZUVO.hide('{C}');"},
    {kZuvoVisibility, u"Enable", u"window.ZUVO.enable('{C}');"},
    {kZuvoVisibility, u"Disable", u"window.ZUVO.disable('{C}');"},
    {kZuvoVisibility, u"Toggle",
     u"(function(){var e=document.getElementById('{C}');if(e)window.ZUVO.setProp('{C}','visible',e.style.display"
     u"==='none'?'true':'false');})();"},

    {kZuvoNavigate, u"GoToPage", u"window.ZUVO.showPage('{N}');"},
    {kZuvoNavigate, u"NextPage", u"window.ZUVO.nextPage();"},
    {kZuvoNavigate, u"PrevPage", u"window.ZUVO.prevPage();"},
    {kZuvoNavigate, u"Reload", u"location.reload();"},

    {kZuvoItems, u"AddItem",
     u"(function(){var e=document.getElementById('{C}');if(!e)return;if(e.tagName==='SELECT'){var o=document."
     u"createElement('option');o.value='{T}';o.textContent='{T}';e.appendChild(o);}else{var d=document."
     u"createElement('div');d.className='zuvo-listbox-item';d.dataset.index=e.querySelectorAll('.zuvo-listbox-"
     u"item').length;d.textContent='{T}';e.appendChild(d);}})();"},
    {kZuvoItems, u"ClearItems", u"window.ZUVO.setProp('{C}','items','');"},
    {kZuvoItems, u"SetText", u"window.ZUVO.setProp('{C}','value','{T}');"},

    // Not a script but a Kesto action line, handed to Kesto as it stands.
    {kZuvoGoSub, nullptr, u"GoSub \"{S}\""},

    {kZuvoAddRow, nullptr, u"window.ZUVO.setProp('{B}','addrow','{L}');"},
    {kZuvoClearRows, nullptr, u"window.ZUVO.setProp('{B}','clearrows','');"},
};

bool isHoleAt(std::u16string_view text, size_t at) {
  return at + 2 < text.size() && text[at] == u'{' && text[at + 1] >= u'A' && text[at + 1] <= u'Z' &&
         text[at + 2] == u'}';
}

const ScriptHole* holeNamed(char16_t name, std::initializer_list<ScriptHole> holes) {
  for (const ScriptHole& hole : holes)
    if (hole.name == name) return &hole;
  return nullptr;
}

void appendHole(std::u16string& out, const ScriptHole& hole) {
  if (hole.fill == HoleFill::escaped)
    appendEscapedScriptText(hole.value, out);
  else
    out += hole.value;
}
}  // namespace

const char16_t* findWordScript(ActionNumber action, const std::u16string& word) {
  for (const ActionScript& row : kActionScripts)
    if (row.action == action && row.word && word == row.word) return row.text;
  return nullptr;
}

const char16_t* findActionScript(ActionNumber action, const std::u16string& word) {
  if (const char16_t* text = findWordScript(action, word)) return text;
  for (const ActionScript& row : kActionScripts)
    if (row.action == action && !row.word) return row.text;
  return nullptr;
}

std::vector<std::u16string> fillScriptPieces(std::u16string_view text, char16_t split,
                                             std::initializer_list<ScriptHole> holes) {
  std::vector<std::u16string> pieces(1);
  for (size_t i = 0; i < text.size(); ++i) {
    if (!isHoleAt(text, i)) {
      pieces.back().push_back(text[i]);
      continue;
    }
    const ScriptHole* hole = holeNamed(text[i + 1], holes);
    if (text[i + 1] == split) {
      pieces.emplace_back();
    } else if (hole) {
      appendHole(pieces.back(), *hole);
    } else {
      pieces.back().append(text.substr(i, 3));
    }
    i += 2;
  }
  return pieces;
}

SplitScript fillScriptAround(std::u16string_view text, char16_t split, std::initializer_list<ScriptHole> holes) {
  std::vector<std::u16string> pieces = fillScriptPieces(text, split, holes);
  SplitScript result;
  result.before = std::move(pieces[0]);
  if (pieces.size() > 1) result.after = std::move(pieces[1]);
  return result;
}

std::u16string fillScript(std::u16string_view text, std::initializer_list<ScriptHole> holes) {
  return std::move(fillScriptPieces(text, 0, holes)[0]);
}
