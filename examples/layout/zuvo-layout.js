// Test fixture and demonstration layout for the browser tests and the README pictures, not a product feature.
//
// A small window.ZUVO of our own: controls are the elements whose id is the
// control ID, pages are the .zuvo-page sections in document order, and every
// message for Kesto is recorded in window.chrome.webview.messages.
(function () {
  'use strict';

  var stored = Object.create(null); // control ID -> { property: last value set }
  var currentPage = 0;

  function byId(id) { return document.getElementById(String(id)); }
  function text(value) { return value === undefined || value === null ? '' : String(value); }
  function isTrue(value) { return text(value).toLowerCase() === 'true'; }
  function px(value) { return /^-?[0-9.]+$/.test(text(value)) ? value + 'px' : text(value); }
  function isSelect(e) { return e.tagName === 'SELECT'; }
  function isField(e) { return e.tagName === 'INPUT' || e.tagName === 'TEXTAREA' || isSelect(e); }
  function isFormControl(e) { return isField(e) || e.tagName === 'BUTTON'; }

  function remember(id, property, value) {
    if (!stored[id]) stored[id] = Object.create(null);
    stored[id][property] = value;
  }

  // ---- lists: a SELECT with options, or a container of .zuvo-listbox-item rows
  function listItems(e) {
    return isSelect(e) ? Array.prototype.slice.call(e.options)
                       : Array.prototype.slice.call(e.querySelectorAll('.zuvo-listbox-item'));
  }

  function appendListItem(e, label) {
    if (isSelect(e)) {
      var option = document.createElement('option');
      option.value = label;
      option.textContent = label;
      e.appendChild(option);
      return;
    }
    var row = document.createElement('div');
    row.className = 'zuvo-listbox-item';
    row.dataset.index = listItems(e).length;
    row.textContent = label;
    e.appendChild(row);
  }

  function setItems(e, value) {
    listItems(e).forEach(function (item) { item.remove(); });
    if (text(value) !== '') text(value).split('|').forEach(function (label) { appendListItem(e, label); });
  }

  function selectIndex(e, value) {
    var index = parseInt(value, 10);
    if (isSelect(e)) { e.selectedIndex = index; return; }
    listItems(e).forEach(function (item, i) { item.classList.toggle('zuvo-selected', i === index); });
  }

  function selectedIndexOf(e) {
    if (isSelect(e)) return e.selectedIndex;
    var items = listItems(e);
    for (var i = 0; i < items.length; ++i) if (items[i].classList.contains('zuvo-selected')) return i;
    return -1;
  }

  // ---- tables: rows go into the first tbody; other elements have no rows
  function tableBody(e) {
    return e.tBodies.length ? e.tBodies[0] : e.appendChild(document.createElement('tbody'));
  }

  function addRow(e, cells) {
    if (e.tagName !== 'TABLE') return;
    var row = tableBody(e).insertRow(-1);
    text(cells).split(',').forEach(function (cell) { row.insertCell(-1).textContent = cell; });
  }

  function clearRows(e) {
    if (e.tagName !== 'TABLE') return;
    var body = tableBody(e);
    while (body.rows.length) body.deleteRow(0);
  }

  // ---- text content of a control
  function setValue(e, value) {
    if (isField(e)) e.value = text(value);
    else if (e.classList.contains('zuvo-progress')) setProgress(e, value);
    else e.textContent = text(value);
  }

  function valueOf(e) {
    if (isField(e)) return e.value;
    if (e.classList.contains('zuvo-progress')) return e.dataset.value || '0';
    return e.textContent;
  }

  function setProgress(e, value) {
    var level = Math.max(0, Math.min(100, parseFloat(value) || 0));
    e.dataset.value = String(level);
    var fill = e.querySelector('.zuvo-progress-fill');
    if (fill) fill.style.width = level + '%';
  }

  function setEnabled(e, on) {
    if (isFormControl(e)) e.disabled = !on;
    e.classList.toggle('zuvo-disabled', !on);
    e.setAttribute('aria-disabled', on ? 'false' : 'true');
  }

  function isEnabled(e) { return isFormControl(e) ? !e.disabled : !e.classList.contains('zuvo-disabled'); }

  function setCaption(e, value) {
    if (e.tagName === 'INPUT' && e.type === 'checkbox') {
      var caption = e.closest('label') && e.closest('label').querySelector('.zuvo-caption');
      if (caption) caption.textContent = text(value);
      return;
    }
    e.textContent = text(value);
  }

  // Properties with their own effect; every other property is only stored
  // (and applied as style when it names one, see styleProperties).
  var specialProperties = {
    visible: function (e, v) { e.style.display = isTrue(v) ? '' : 'none'; },
    enabled: function (e, v) { setEnabled(e, isTrue(v)); },
    items: setItems,
    value: setValue,
    text: setCaption,
    caption: setCaption,
    addrow: addRow,
    clearrows: clearRows,
    selectedIndex: selectIndex,
    checked: function (e, v) { e.checked = isTrue(v); },
    placeholder: function (e, v) { e.placeholder = text(v); },
    src: function (e, v) { e.src = text(v); },
    image: function (e, v) { e.src = text(v); },
    filename: function (e, v) { if (e.tagName === 'IMG') e.src = text(v); },
    alt: function (e, v) { e.alt = text(v); },
    rows: function (e, v) {
      if (e.tagName !== 'TABLE') return;
      clearRows(e);
      if (text(v) !== '') text(v).split('|').forEach(function (row) { addRow(e, row); });
    }
  };

  var styleProperties = {
    bgColor: ['backgroundColor'], textColor: ['color'], color: ['color'],
    'style.background': ['background'], borderColor: ['borderColor'], borderStyle: ['borderStyle'],
    fontFamily: ['fontFamily'], fontWeight: ['fontWeight'], fontStyle: ['fontStyle'],
    textAlign: ['textAlign'], textDecoration: ['textDecoration'],
    fontSize: ['fontSize', px], borderWidth: ['borderWidth', px], borderRadius: ['borderRadius', px],
    width: ['width', px], height: ['height', px], padding: ['padding', px]
  };

  // Values read back live from the document, so a read sees what the author sees.
  var liveProperties = {
    visible: function (e) { return e.style.display === 'none' ? 'false' : 'true'; },
    enabled: function (e) { return isEnabled(e) ? 'true' : 'false'; },
    value: valueOf,
    text: function (e) { return e.textContent; },
    caption: function (e) { return e.textContent; },
    items: function (e) { return listItems(e).map(function (item) { return item.textContent; }).join('|'); },
    selectedIndex: function (e) { return String(selectedIndexOf(e)); },
    checked: function (e) { return e.checked ? 'true' : 'false'; },
    rowCount: function (e) { return e.tagName === 'TABLE' ? String(tableBody(e).rows.length) : '0'; }
  };

  function setProp(id, property, value) {
    id = text(id);
    property = text(property);
    remember(id, property, text(value));
    var e = byId(id);
    if (!e) return;
    if (Object.prototype.hasOwnProperty.call(specialProperties, property)) {
      specialProperties[property](e, value);
    } else if (Object.prototype.hasOwnProperty.call(styleProperties, property)) {
      var style = styleProperties[property];
      e.style[style[0]] = style[1] ? style[1](value) : text(value);
    }
    notePropertyChange(id);
  }

  function getPropSync(id, property) {
    id = text(id);
    property = text(property);
    var e = byId(id);
    if (e && Object.prototype.hasOwnProperty.call(liveProperties, property)) return liveProperties[property](e);
    var own = stored[id];
    return own && property in own ? own[property] : undefined;
  }

  // ---- pages
  function pageElements() { return Array.prototype.slice.call(document.querySelectorAll('.zuvo-page')); }
  function pageName(page) { return page.dataset.page; }

  function activatePage(index) {
    var pages = pageElements();
    if (!pages.length) return;
    currentPage = ((index % pages.length) + pages.length) % pages.length;
    pages.forEach(function (page, i) { page.classList.toggle('zuvo-page-active', i === currentPage); });
    var tabs = document.querySelectorAll('[data-goto]');
    Array.prototype.forEach.call(tabs, function (tab) {
      tab.classList.toggle('zuvo-tab-active', tab.dataset.goto === pageName(pages[currentPage]));
    });
  }

  function showPage(name) {
    var pages = pageElements();
    for (var i = 0; i < pages.length; ++i) {
      if (pageName(pages[i]) === text(name)) { activatePage(i); return; }
    }
  }

  // ---- the message path back to Kesto
  function installMessageRecorder() {
    window.chrome = window.chrome || {};
    var host = window.chrome.webview;
    var messages = [];
    window.chrome.webview = {
      messages: messages,
      postMessage: function (message) {
        messages.push(message);
        showMessage(message);
        if (host && host.postMessage) host.postMessage(message);
      },
      addEventListener: function (type, listener) { if (host && host.addEventListener) host.addEventListener(type, listener); }
    };
  }

  function showMessage(message) {
    var log = byId('zuvo-message-log');
    if (!log) return;
    var line = document.createElement('li');
    line.textContent = text(message);
    log.appendChild(line);
    while (log.children.length > 9) log.removeChild(log.firstChild);
  }

  // Outlines every control that a script has changed, so a picture of the
  // layout shows what the publication did.
  function notePropertyChange(id) {
    var e = byId(id);
    if (e) e.classList.add('zuvo-changed');
  }

  installMessageRecorder();

  window.ZUVO = {
    setProp: setProp,
    getPropSync: getPropSync,
    show: function (id) { setProp(id, 'visible', 'true'); },
    hide: function (id) { setProp(id, 'visible', 'false'); },
    enable: function (id) { setProp(id, 'enabled', 'true'); },
    disable: function (id) { setProp(id, 'enabled', 'false'); },
    showPage: showPage,
    nextPage: function () { activatePage(currentPage + 1); },
    prevPage: function () { activatePage(currentPage - 1); },
    getCurrentPage: function () { var pages = pageElements(); return pages.length ? pageName(pages[currentPage]) : ''; },
    getCurrentPageIndex: function () { return currentPage; },
    getPageCount: function () { return pageElements().length; }
  };

  document.addEventListener('click', function (event) {
    var tab = event.target.closest && event.target.closest('[data-goto]');
    if (tab) showPage(tab.dataset.goto);
  });
  activatePage(0);
})();
