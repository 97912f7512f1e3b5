// What each action sends at run time, through ksExecAction.
#include <gtest/gtest.h>

#include "host/action_table.h"
#include "tests/unit/script_test_support.h"

using namespace script_test;

namespace {
const std::string kNothing = "(nothing)";
// An ID, text and page name that need every kind of escape.
const std::u16string kNasty = u"a'b\"c\\d\re\nf";
const std::string kNastyEscaped = "a\\'b\\u0022c\\\\d\\re\\nf";
}  // namespace

TEST(ScriptActions, SetSendsSetPropWithEscapedValues) {
  EXPECT_EQ(sentBy(kZuvoSet, {u"Rect1", u"button:btn_ok", u"caption", u"Save"}),
            tavix("Rect1", "window.ZUVO.setProp('btn_ok','caption','Save');"));
  EXPECT_EQ(sentBy(kZuvoSet, {u"Rect1", u"label:lbl_title", u"text", u"It's done"}),
            tavix("Rect1", "window.ZUVO.setProp('lbl_title','text','It\\'s done');"));
  EXPECT_EQ(sentBy(kZuvoSet, {u"R", u"x:" + kNasty, kNasty, kNasty}),
            tavix("R", "window.ZUVO.setProp('" + kNastyEscaped + "','" + kNastyEscaped + "','" + kNastyEscaped +
                           "');"));
  EXPECT_EQ(sentBy(kZuvoSet, {u"R", u"lbl", u"text", u""}), tavix("R", "window.ZUVO.setProp('lbl','text','');"));
  // Blanks are content; nothing is trimmed.
  EXPECT_EQ(sentBy(kZuvoSet, {u" ", u" ", u" ", u" "}), tavix(" ", "window.ZUVO.setProp(' ',' ',' ');"));
}

TEST(ScriptActions, SetNormalisesTheControlId) {
  EXPECT_EQ(sentBy(kZuvoSet, {u"R", u"a:b:c", u"p", u"v"}), tavix("R", "window.ZUVO.setProp('b:c','p','v');"));
  EXPECT_EQ(sentBy(kZuvoSet, {u"R", u"x:", u"p", u"v"}), kNothing);
  EXPECT_EQ(sentBy(kZuvoSet, {u"R", u":id", u"p", u"v"}), tavix("R", "window.ZUVO.setProp('id','p','v');"));
}

TEST(ScriptActions, SetStopsWithoutRectangleControlOrProperty) {
  EXPECT_EQ(sentBy(kZuvoSet, {u"", u"c", u"p", u"v"}), kNothing);
  EXPECT_EQ(sentBy(kZuvoSet, {u"R", u"", u"p", u"v"}), kNothing);
  EXPECT_EQ(sentBy(kZuvoSet, {u"R", u"c", u"", u"v"}), kNothing);
  EXPECT_EQ(sentBy(kZuvoSet, {}), kNothing);
}

TEST(ScriptActions, GetPropertyReadsTheNormalisedControl) {
  EXPECT_EQ(sentBy(kZuvoGet, {u"Rect1", u"textInput:txt_name", u"value", u"[Name]"}),
            tavix("Rect1",
                  "(function(){var _r=window.ZUVO?window.ZUVO.getPropSync('txt_name','value'):'undefined';"
                  "window.chrome.webview.postMessage('ZUVO_VALUE:value|'+String(_r===undefined||_r===null?'':_r));})"
                  "();"));
  EXPECT_EQ(sentBy(kZuvoGet, {u"R", u"t:i'd", u"it's", u""}),
            tavix("R",
                  "(function(){var _r=window.ZUVO?window.ZUVO.getPropSync('i\\'d','it\\'s'):'undefined';"
                  "window.chrome.webview.postMessage('ZUVO_VALUE:it\\'s|'+String(_r===undefined||_r===null?'':_r));"
                  "})();"));
  EXPECT_EQ(sentBy(kZuvoGet, {u"", u"c", u"p", u""}), kNothing);
  EXPECT_EQ(sentBy(kZuvoGet, {u"R", u"c:", u"p", u""}), kNothing);
  // A key in the wrong case is a control ID; without a property nothing goes.
  EXPECT_EQ(sentBy(kZuvoGet, {u"Rect1", u"page", u"", u"[X]"}), kNothing);
}

TEST(ScriptActions, GetRuntimeKeysSendTheirScriptsToAnyRectangle) {
  struct Key {
    const char16_t* key;
    std::string script;
  };
  const Key keys[] = {
      {u"PAGE",
       "(function(){var _pg=window.ZUVO?window.ZUVO.getCurrentPage():'';window.chrome.webview.postMessage("
       "'ZUVO_VALUE:CurrentPage|'+String(_pg===undefined||_pg===null?'':_pg));})();"},
      {u"PAGE_INDEX",
       "(function(){var _v=window.ZUVO&&window.ZUVO.getCurrentPageIndex?window.ZUVO.getCurrentPageIndex():0;"
       "window.chrome.webview.postMessage('ZUVO_VALUE:CurrentPageIndex|'+String(_v));})();"},
      {u"PAGE_COUNT",
       "(function(){var _v=window.ZUVO&&window.ZUVO.getPageCount?window.ZUVO.getPageCount():0;"
       "window.chrome.webview.postMessage('ZUVO_VALUE:PageCount|'+String(_v));})();"},
      {u"SCREEN_W",
       "(function(){window.chrome.webview.postMessage('ZUVO_VALUE:ScreenWidth|'+String(window.innerWidth||0));})"
       "();"},
      {u"SCREEN_H",
       "(function(){window.chrome.webview.postMessage('ZUVO_VALUE:ScreenHeight|'+String(window.innerHeight||0));"
       "})();"},
      {u"ZUVO_TIME",
       "(function(){var _d=new Date(),_hh=String(_d.getHours()).padStart(2,'0'),_mm=String(_d.getMinutes())."
       "padStart(2,'0'),_ss=String(_d.getSeconds()).padStart(2,'0');window.chrome.webview.postMessage("
       "'ZUVO_VALUE:Time|'+_hh+':'+_mm+':'+_ss);})();"},
      {u"ZUVO_DATE",
       "(function(){var _d=new Date(),_y=_d.getFullYear(),_mo=String(_d.getMonth()+1).padStart(2,'0'),_da="
       "String(_d.getDate()).padStart(2,'0');window.chrome.webview.postMessage('ZUVO_VALUE:Date|'+_y+'-'+_mo+'-'"
       "+_da);})();"},
  };
  for (const Key& key : keys) {
    EXPECT_EQ(sentBy(kZuvoGet, {u"Rect1", key.key, u"ignored", u"[X]"}), tavix("Rect1", key.script));
    EXPECT_EQ(sentBy(kZuvoGet, {u"", key.key, u"", u""}), tavix("", key.script));
  }
}

TEST(ScriptActions, VisibilityWords) {
  EXPECT_EQ(sentBy(kZuvoVisibility, {u"Rect1", u"btn_ok", u"Show"}), tavix("Rect1", "window.ZUVO.show('btn_ok');"));
  EXPECT_EQ(sentBy(kZuvoVisibility, {u"R", u"b", u"Hide"}), tavix("R", "window.ZUVO.hide('b');"));
  EXPECT_EQ(sentBy(kZuvoVisibility, {u"R", u"b", u"Enable"}), tavix("R", "window.ZUVO.enable('b');"));
  EXPECT_EQ(sentBy(kZuvoVisibility, {u"R", u"b", u"Disable"}), tavix("R", "window.ZUVO.disable('b');"));
  EXPECT_EQ(sentBy(kZuvoVisibility, {u"R", u"it's", u"Toggle"}),
            tavix("R",
                  "(function(){var e=document.getElementById('it\\'s');if(e)window.ZUVO.setProp('it\\'s','visible',"
                  "e.style.display==='none'?'true':'false');})();"));
  // The ID is not normalised here: the editor stores it plain.
  EXPECT_EQ(sentBy(kZuvoVisibility, {u"R", u"button:b", u"Show"}), tavix("R", "window.ZUVO.show('button:b');"));
  EXPECT_EQ(sentBy(kZuvoVisibility, {u"R", u"b", u"show"}), kNothing);
  EXPECT_EQ(sentBy(kZuvoVisibility, {u"R", u"b", u"Show "}), kNothing);
  EXPECT_EQ(sentBy(kZuvoVisibility, {u"", u"b", u"Show"}), kNothing);
  EXPECT_EQ(sentBy(kZuvoVisibility, {u"R", u"", u"Show"}), kNothing);
}

TEST(ScriptActions, NavigateWords) {
  EXPECT_EQ(sentBy(kZuvoNavigate, {u"R", u"GoToPage", u"Settings"}), tavix("R", "window.ZUVO.showPage('Settings');"));
  EXPECT_EQ(sentBy(kZuvoNavigate, {u"Rect1", u"GoToPage", u""}), tavix("Rect1", "window.ZUVO.showPage('');"));
  EXPECT_EQ(sentBy(kZuvoNavigate, {u"R", u"GoToPage", kNasty}),
            tavix("R", "window.ZUVO.showPage('" + kNastyEscaped + "');"));
  EXPECT_EQ(sentBy(kZuvoNavigate, {u"R", u"NextPage", u"x"}), tavix("R", "window.ZUVO.nextPage();"));
  EXPECT_EQ(sentBy(kZuvoNavigate, {u"R", u"PrevPage", u""}), tavix("R", "window.ZUVO.prevPage();"));
  EXPECT_EQ(sentBy(kZuvoNavigate, {u"R", u"Reload", u""}), tavix("R", "location.reload();"));
  EXPECT_EQ(sentBy(kZuvoNavigate, {u"R", u"reload", u""}), kNothing);
  EXPECT_EQ(sentBy(kZuvoNavigate, {u"", u"NextPage", u""}), kNothing);
}

TEST(ScriptActions, ItemsWords) {
  EXPECT_EQ(sentBy(kZuvoItems, {u"R", u"lst", u"AddItem", u"one\ntwo"}),
            tavix("R",
                  "(function(){var e=document.getElementById('lst');if(!e)return;if(e.tagName==='SELECT'){var o="
                  "document.createElement('option');o.value='one\\ntwo';o.textContent='one\\ntwo';e.appendChild(o);}"
                  "else{var d=document.createElement('div');d.className='zuvo-listbox-item';d.dataset.index=e."
                  "querySelectorAll('.zuvo-listbox-item').length;d.textContent='one\\ntwo';e.appendChild(d);}})();"));
  EXPECT_EQ(sentBy(kZuvoItems, {u"R", u"lst", u"ClearItems", u"ignored"}),
            tavix("R", "window.ZUVO.setProp('lst','items','');"));
  EXPECT_EQ(sentBy(kZuvoItems, {u"R", u"txt", u"SetText", kNasty}),
            tavix("R", "window.ZUVO.setProp('txt','value','" + kNastyEscaped + "');"));
  EXPECT_EQ(sentBy(kZuvoItems, {u"R", u"txt", u"SetText", u""}), tavix("R", "window.ZUVO.setProp('txt','value','');"));
  EXPECT_EQ(sentBy(kZuvoItems, {u"R", u"lst", u"additem", u"x"}), kNothing);
  EXPECT_EQ(sentBy(kZuvoItems, {u"R", u"", u"ClearItems", u""}), kNothing);
  EXPECT_EQ(sentBy(kZuvoItems, {u"", u"lst", u"ClearItems", u""}), kNothing);
}

TEST(ScriptActions, TableRows) {
  EXPECT_EQ(sentBy(kZuvoAddRow, {u"R", u"tbl", u"Ann,12,it's"}),
            tavix("R", "window.ZUVO.setProp('tbl','addrow','Ann,12,it\\'s');"));
  EXPECT_EQ(sentBy(kZuvoAddRow, {u"R", u"tbl", u""}), kNothing);
  EXPECT_EQ(sentBy(kZuvoAddRow, {u"R", u"", u"a"}), kNothing);
  EXPECT_EQ(sentBy(kZuvoAddRow, {u"", u"tbl", u"a"}), kNothing);
  EXPECT_EQ(sentBy(kZuvoClearRows, {u"R", u"t'bl"}), tavix("R", "window.ZUVO.setProp('t\\'bl','clearrows','');"));
  EXPECT_EQ(sentBy(kZuvoClearRows, {u"R", u""}), kNothing);
  EXPECT_EQ(sentBy(kZuvoClearRows, {u"", u"tbl"}), kNothing);
}

TEST(ScriptActions, GoSubHandsTheNameToKestoUnchanged) {
  EXPECT_EQ(sentBy(kZuvoGoSub, {u"My Sub"}), "GoSub \"My Sub\"");
  EXPECT_EQ(sentBy(kZuvoGoSub, {u"say \"hi\" it's"}), "GoSub \"say \"hi\" it's\"");
  EXPECT_EQ(sentBy(kZuvoGoSub, {u""}), kNothing);
}

TEST(ScriptActions, ResultIsOneForEveryActionWhateverHappened) {
  CollectedLines collected;
  for (int32_t action = 1; action <= 8; ++action) EXPECT_EQ(execute(action, {}), 1) << action;
  EXPECT_TRUE(collected.lines().empty());
  EXPECT_EQ(execute(9, {u"R", u"c", u"p", u"v"}), 0);
  EXPECT_EQ(execute(0, {u"R", u"c", u"p", u"v"}), 0);
  EXPECT_EQ(execute(-1, {u"R", u"c", u"p", u"v"}), 0);
  EXPECT_TRUE(collected.lines().empty());
}

TEST(ScriptActions, NothingIsSentWithoutScriptProcessor) {
  CollectedLines collected;
  hostState.scriptProcessor = nullptr;
  EXPECT_EQ(execute(kZuvoSet, {u"R", u"c", u"p", u"v"}), 1);
  EXPECT_EQ(execute(kZuvoGoSub, {u"Main"}), 1);
  EXPECT_EQ(execute(kZuvoGet, {u"R", u"PAGE", u"", u""}), 1);
  EXPECT_TRUE(collected.lines().empty());
}
