// The page's DOM for the cards (dom.h): the view's calls, and the page's
// events handed to the model's entry points (webapplication.cpp). Nothing
// here decides what an event does.
mergeInto(LibraryManager.library, {
  $velkorn: {
    cards: {},
    text: function (pointer) { return UTF8ToString(pointer); },
    call: function (name, args, strings) {
      if (velkorn.ended) return 0;
      // Strings go in as the model's UTF-8, freed once it has them.
      var held = [];
      var values = args.map(function (value, i) {
        if (strings && strings.indexOf(i) >= 0) { var p = allocateUTF8(value); held.push(p); return p; }
        return value;
      });
      var result = Module['_' + name].apply(null, values);
      held.forEach(function (p) { _free(p); });
      return result;
    },
    // A number box: each edit asked of the model before it is made, as the
    // desktop's boxes do, so that a refused edit leaves the box and its
    // undo as they were and a cut one is a single edit.
    box: function (card, key, element) {
      element.type = 'text';
      element.spellcheck = false;
      element.autocomplete = 'off';
      element.setAttribute('autocapitalize', 'off');
      element.setAttribute('autocorrect', 'off');
      var last = '';
      var composing = null; // the box as an input method's composition found it
      var now = function () { return { value: element.value, start: element.selectionStart, end: element.selectionEnd }; };
      // What the model says of `data` put over the box's selection: 0 taken,
      // 1 refused, 2 cut (the edit to make instead in velkorn_cut_edit).
      var verdictOn = function (box, data) {
        var after = box.value.slice(0, box.start) + data + box.value.slice(box.end);
        return velkorn.call('velkorn_box_editing', [card, key, after, box.start + data.length], [1, 2]);
      };
      // The cut edit, made as one edit that undo takes back.
      var makeCut = function () {
        var parts = velkorn.text(Module['_velkorn_cut_edit']()).split('\t');
        element.setSelectionRange(+parts[0], +parts[1]);
        document.execCommand('insertText', false, parts[2]);
      };
      var edited = function () {
        if (element.value !== last) velkorn.call('velkorn_box_edited', [card, key, element.value], [1, 2]);
        last = element.value;
      };
      element.addEventListener('beforeinput', function (event) {
        if (event.inputType === 'insertText' && velkorn.withoutText) { event.preventDefault(); return; }
        // A composition cannot be refused as it goes: its end is asked about.
        // A replacement (autocorrect, a screen reader) names no place in a
        // box: the model cuts its outcome once it is made.
        if (composing || !event.inputType.startsWith('insert') ||
            event.inputType === 'insertReplacementText') return;
        var data = event.data !== null ? event.data
                 : event.dataTransfer ? event.dataTransfer.getData('text/plain') : '';
        var verdict = verdictOn(now(), data);
        if (verdict === 0) return;
        event.preventDefault();
        if (verdict === 2) makeCut();
      });
      element.addEventListener('compositionstart', function () { composing = now(); });
      element.addEventListener('compositionend', function (event) {
        var base = composing;
        composing = null;
        var verdict = event.data ? verdictOn(base, event.data) : 0;
        if (verdict !== 0) {
          document.execCommand('undo'); // the composition, taken back whole
          if (verdict === 2) makeCut(); else element.setSelectionRange(base.start, base.end);
        }
        edited();
      });
      element.addEventListener('input', function (event) {
        if (composing) return;
        // A drop leaves the caret after the dropped text, as any other edit.
        if (event.inputType === 'insertFromDrop') element.setSelectionRange(element.selectionEnd, element.selectionEnd);
        edited();
      });
    },
    // The page as a desktop's window manager: the card in front has the
    // keyboard. A card shown or pressed comes to the front and is
    // activated, the one before deactivated.
    activate: function (card) {
      velkorn.front = (velkorn.front || 10) + 1;
      velkorn.cards[card].element.style.zIndex = velkorn.front;
      if (velkorn.active === card) return;
      if (velkorn.active !== undefined) velkorn.call('velkorn_activation', [velkorn.active, 0]);
      velkorn.active = card;
      velkorn.call('velkorn_activation', [card, 1]);
    },
    control: function (card, name) { return velkorn.cards[card].controls[velkorn.text(name)]; },
    keyOf: function (event) {
      var named = { F1: 256, Escape: 257, Alt: 258 }[event.key] || 0;
      var character = event.key.length === 1 ? event.key.toUpperCase().codePointAt(0) : 0;
      var place = /^Key([A-Z])$/.exec(event.code);
      var modifiers = (event.altKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.shiftKey ? 4 : 0) |
                      (event.metaKey ? 8 : 0);
      var text = event.key.length === 1 || (event.key.length === 2 && event.key.codePointAt(0) > 0xFFFF)
                 ? event.key.codePointAt(0) : 0;
      return [named, character, place ? place[1].charCodeAt(0) : 0, modifiers, text, event.repeat ? 1 : 0];
    },
  },
  velkornMakeCard__deps: ['$velkorn'],
  velkornMakeCard: function (card, title, dialog) {
    var element = document.createElement('div');
    element.className = 'card';
    element.tabIndex = -1;
    element.setAttribute('role', dialog ? 'dialog' : 'application');
    element.setAttribute('aria-label', velkorn.text(title));
    element.style.display = 'none';
    var background = document.createElement('img');
    background.className = 'background';
    background.alt = '';
    element.appendChild(background);
    // One live region for the page, outside every card, so that what it
    // says is no part of a window.
    if (!velkorn.live) {
      velkorn.live = document.createElement('div');
      velkorn.live.className = 'live';
      velkorn.live.setAttribute('aria-live', 'polite');
      document.querySelector('main').appendChild(velkorn.live);
    }
    var cues = document.createElement('div');
    cues.className = 'cues';
    cues.hidden = true;
    element.appendChild(cues);
    document.querySelector('main').appendChild(element);
    velkorn.cards[card] = { element: element, background: background, cues: cues,
                            controls: {} };
    var where = function (event) {
      var box = element.getBoundingClientRect();
      return [Math.round(event.clientX - box.left), Math.round(event.clientY - box.top)];
    };
    element.addEventListener('pointerdown', function (event) {
      velkorn.activate(card);
      if (event.target.tagName === 'INPUT') return;
      var at = where(event);
      if (velkorn.call('velkorn_pointer_pressed', [card, at[0], at[1], event.button, event.detail > 1 ? 1 : 0,
                                                  Math.round(event.screenX), Math.round(event.screenY)])) {
        element.setPointerCapture(event.pointerId);
      }
      event.preventDefault();
    });
    element.addEventListener('pointermove', function (event) {
      velkorn.call('velkorn_pointer_moved', [card, Math.round(event.screenX), Math.round(event.screenY),
                                             event.buttons ? 1 : 0]);
    });
    element.addEventListener('pointerup', function (event) {
      var at = where(event);
      velkorn.call('velkorn_pointer_released', [card, at[0], at[1], event.button]);
    });
    element.addEventListener('lostpointercapture', function () { velkorn.call('velkorn_pointer_lost', [card]); });
    // A click that no pointer made (a screen reader's press, a script's):
    // the pressed control's press action.
    element.addEventListener('click', function (event) {
      if (event.detail === 0 && event.target.dataset.name) {
        velkorn.call('velkorn_press', [card, event.target.dataset.name], [1]);
      }
    });
    // A box keeps its edit menu; the rest of a card has none.
    element.addEventListener('contextmenu', function (event) {
      if (event.target.tagName !== 'INPUT') event.preventDefault();
    });
    element.addEventListener('keydown', function (event) {
      var route = velkorn.call('velkorn_key', [card, 1].concat(velkorn.keyOf(event)));
      // 1: the window's shortcut; 2: the box's command (undo, paste) without
      // the text the keys would type.
      if (route === 1) event.preventDefault();
      velkorn.withoutText = route === 2;
    });
    element.addEventListener('keyup', function (event) {
      velkorn.withoutText = false;
      velkorn.call('velkorn_key', [card, 0].concat(velkorn.keyOf(event)));
    });
    element.addEventListener('focusin', function (event) {
      velkorn.call('velkorn_focus', [card, event.target.dataset.name || ''], [1]);
    });
  },
  velkornDescribeCard__deps: ['$velkorn'],
  velkornDescribeCard: function (card, description) {
    var element = velkorn.cards[card].element;
    var text = velkorn.text(description);
    if (text) element.setAttribute('aria-description', text); else element.removeAttribute('aria-description');
  },
  velkornMakeControl__deps: ['$velkorn'],
  velkornMakeControl: function (card, name, kind) {
    var owner = velkorn.cards[card];
    var key = velkorn.text(name);
    // 0 a label, 1 a picture, 2 a box, 3 a text of the background picture
    var element = document.createElement(['span', 'img', 'input', 'span'][kind]);
    element.className = ['label', 'picture', 'box', 'picture-text'][kind];
    element.dataset.name = key;
    if (kind === 1) element.alt = '';
    if (kind === 2) velkorn.box(card, key, element);
    owner.element.appendChild(element);
    owner.controls[key] = element;
  },
  velkornPlace__deps: ['$velkorn'],
  velkornPlace: function (card, name, x, y, width, height, rank) {
    var style = velkorn.control(card, name).style;
    style.left = x + 'px'; style.top = y + 'px'; style.width = width + 'px'; style.height = height + 'px';
    style.zIndex = rank;
  },
  velkornSetBackground__deps: ['$velkorn'],
  velkornSetBackground: function (card, width, height, first, second) {
    var owner = velkorn.cards[card];
    owner.element.style.width = width + 'px';
    owner.element.style.height = height + 'px';
    var fallback = velkorn.text(second);
    owner.background.onerror = fallback ? function () { owner.background.onerror = null; owner.background.src = fallback; } : null;
    owner.background.src = velkorn.text(first);
  },
  velkornSetPicture__deps: ['$velkorn'],
  velkornSetPicture: function (card, name, first, second) {
    var element = velkorn.control(card, name);
    var fallback = velkorn.text(second);
    element.onerror = fallback ? function () { element.onerror = null; element.src = fallback; } : null;
    element.src = velkorn.text(first);
  },
  velkornSetCaption__deps: ['$velkorn'],
  velkornSetCaption: function (card, name, text, pointSize) {
    var element = velkorn.control(card, name);
    element.textContent = velkorn.text(text);
    element.style.fontSize = pointSize + 'pt';
  },
  velkornSetCaptionStyle__deps: ['$velkorn'],
  velkornSetCaptionStyle: function (card, name, colour, fill, centred) {
    var style = velkorn.control(card, name).style;
    style.color = velkorn.text(colour);
    style.background = velkorn.text(fill) || 'transparent';
    style.textAlign = centred ? 'center' : 'left';
  },
  velkornTextWidth__deps: ['$velkorn'],
  velkornTextWidth: function (text, pointSize, families) {
    var canvas = velkorn.canvas || (velkorn.canvas = document.createElement('canvas').getContext('2d'));
    canvas.font = pointSize + 'pt ' + velkorn.text(families);
    return canvas.measureText(velkorn.text(text)).width;
  },
  velkornSetVisible__deps: ['$velkorn'],
  velkornSetVisible: function (card, name, visible) {
    velkorn.control(card, name).hidden = !visible;
  },
  velkornSetAccessible__deps: ['$velkorn'],
  velkornSetAccessible: function (card, name, role, label, description, tip, shortcut, language, checked) {
    var element = velkorn.control(card, name);
    var set = function (attribute, value) {
      if (value) element.setAttribute(attribute, value); else element.removeAttribute(attribute);
    };
    var name = velkorn.text(role) === 'paragraph' ? '' : velkorn.text(label);
    set('role', velkorn.text(role));
    set('aria-label', name);
    // A paragraph reads its own text (the picture's, drawn by the picture);
    // a picture its name.
    if (velkorn.text(role) === 'paragraph') element.textContent = velkorn.text(label);
    if (element.tagName === 'IMG') element.alt = name;
    // Present even when empty: a browser would describe the control by its
    // tool tip otherwise, which mostly repeats its name.
    element.setAttribute('aria-description', velkorn.text(description));
    set('aria-keyshortcuts', velkorn.text(shortcut));
    set('lang', velkorn.text(language));
    set('title', velkorn.text(tip));
    if (checked >= 0) element.setAttribute('aria-checked', checked ? 'true' : 'false');
  },
  velkornSetBoxText__deps: ['$velkorn'],
  velkornSetBoxText: function (card, name, text, caret) {
    var element = velkorn.control(card, name);
    var value = velkorn.text(text);
    // Setting the text, even the same, would clear the box's undo.
    if (element.value !== value) element.value = value;
    element.setSelectionRange(caret, caret);
  },
  velkornBoxHasFocus__deps: ['$velkorn'],
  velkornBoxHasFocus: function (card, name) {
    return document.activeElement === velkorn.control(card, name) ? 1 : 0;
  },
  velkornFocus__deps: ['$velkorn'],
  velkornFocus: function (card, name) {
    var key = velkorn.text(name);
    (key ? velkorn.cards[card].controls[key] : velkorn.cards[card].element).focus();
  },
  velkornAnnounce__deps: ['$velkorn'],
  velkornAnnounce: function (card, text) { velkorn.live.textContent = velkorn.text(text); },
  velkornShowCues__deps: ['$velkorn'],
  velkornShowCues: function (card, shown) { velkorn.cards[card].cues.hidden = !shown; },
  velkornClearCues__deps: ['$velkorn'],
  velkornClearCues: function (card) { velkorn.cards[card].cues.textContent = ''; },
  velkornAddCue__deps: ['$velkorn'],
  velkornAddCue: function (card, text, x, y, width, height) {
    var cue = document.createElement('span');
    cue.className = 'cue';
    cue.setAttribute('aria-hidden', 'true');
    cue.textContent = velkorn.text(text);
    cue.style.left = x + 'px'; cue.style.top = y + 'px';
    cue.style.width = width + 'px'; cue.style.height = height + 'px';
    velkorn.cards[card].cues.appendChild(cue);
  },
  velkornShowCard__deps: ['$velkorn'],
  velkornShowCard: function (card, shown) {
    var element = velkorn.cards[card].element;
    element.style.display = shown ? '' : 'none';
    if (!shown) {
      // The window behind takes the keyboard, as on a desktop.
      if (velkorn.active !== card) return;
      velkorn.call('velkorn_activation', [card, 0]);
      velkorn.active = undefined;
      var behind = Object.keys(velkorn.cards).map(Number).filter(function (other) {
        return velkorn.cards[other].element.style.display !== 'none';
      }).sort(function (a, b) { return velkorn.cards[b].element.style.zIndex - velkorn.cards[a].element.style.zIndex; });
      if (behind.length > 0) velkorn.activate(behind[0]);
      return;
    }
    velkorn.activate(card);
    var first = document.querySelector('.first-frame');
    if (first) velkorn.cards[card].background.decode().catch(function () {}).then(function () { first.remove(); });
    // A task queued as a frame is about to be drawn runs once it is.
    requestAnimationFrame(function () {
      setTimeout(function () { velkorn.call('velkorn_frame_painted', [card]); }, 0);
    });
  },
  velkornCardLeft__deps: ['$velkorn'],
  velkornCardLeft: function (card) { return velkorn.cards[card].element.offsetLeft; },
  velkornCardTop__deps: ['$velkorn'],
  velkornCardTop: function (card) { return velkorn.cards[card].element.offsetTop; },
  velkornMoveCard__deps: ['$velkorn'],
  velkornMoveCard: function (card, left, top) {
    var style = velkorn.cards[card].element.style;
    style.left = left + 'px'; style.top = top + 'px';
  },
  velkornPixelRatio: function () {
    // A new ratio comes with a resize (zoom) or a change of resolution
    // (another screen); either may come alone.
    if (!velkorn.ratio) {
      var changed = function () {
        if (devicePixelRatio === velkorn.ratio) return;
        velkorn.ratio = devicePixelRatio;
        velkorn.call('velkorn_scale_changed', []);
        watch();
      };
      var watch = function () {
        matchMedia('(resolution: ' + devicePixelRatio + 'dppx)').addEventListener('change', changed, { once: true });
      };
      addEventListener('resize', changed);
      watch();
    }
    velkorn.ratio = devicePixelRatio;
    return devicePixelRatio;
  },
  velkornForcedColours__deps: ['$velkorn'],
  velkornForcedColours: function (colours) {
    if (!velkorn.forced) {
      velkorn.forced = matchMedia('(forced-colors: active)');
      velkorn.forced.addEventListener('change', function () { velkorn.call('velkorn_contrast_changed', []); });
    }
    if (!velkorn.forced.matches) return 0;
    var probe = document.createElement('span');
    probe.style.color = 'CanvasText';
    probe.style.backgroundColor = 'Canvas';
    document.body.appendChild(probe);
    var rgb = function (text) { var parts = text.match(/\d+/g); return (+parts[0] << 16) | (+parts[1] << 8) | +parts[2]; };
    HEAP32[colours >> 2] = rgb(getComputedStyle(probe).color);
    HEAP32[(colours >> 2) + 1] = rgb(getComputedStyle(probe).backgroundColor);
    probe.remove();
    return 1;
  },
  velkornPageWidth: function () { return document.documentElement.clientWidth; },
  velkornPageHeight: function () { return document.documentElement.clientHeight; },
  velkornPostTask__deps: ['$velkorn'],
  velkornPostTask: function (card) { setTimeout(function () { velkorn.call('velkorn_run_task', [card]); }, 0); },
  velkornShowError__deps: ['$velkorn'],
  velkornShowError: function (card, title, message) {
    var dialog = document.createElement('dialog');
    dialog.className = 'error';
    dialog.setAttribute('aria-label', velkorn.text(title));
    var heading = document.createElement('h2');
    heading.textContent = velkorn.text(title);
    var text = document.createElement('p');
    text.textContent = velkorn.text(message);
    var ok = document.createElement('button');
    ok.textContent = 'OK';
    ok.addEventListener('click', function () { dialog.close(); });
    dialog.append(heading, text, ok);
    dialog.addEventListener('close', function () {
      dialog.remove();
      velkorn.call('velkorn_error_dismissed', []);
    });
    document.body.appendChild(dialog);
    dialog.showModal();
    ok.focus();
  },
  velkornEnd__deps: ['$velkorn'],
  velkornEnd: function () {
    // The program ends at once: its cards go, its clock stops and no event
    // reaches it again. A window the page opened as an app closes; a tab
    // says so and offers a new start.
    velkorn.ended = true;
    clearInterval(velkorn.clock);
    Object.keys(velkorn.cards).forEach(function (card) { velkorn.cards[card].element.remove(); });
    velkorn.live.remove();
    window.close();
    var ended = document.createElement('p');
    ended.className = 'ended';
    ended.append('Velkorn Calculator has ended. ');
    var again = document.createElement('a');
    again.href = '';
    again.textContent = 'Start it again';
    ended.append(again);
    document.querySelector('main').appendChild(ended);
    again.focus();
  },
  velkornStartClock__deps: ['$velkorn'],
  velkornStartClock: function (interval) {
    velkorn.clock = setInterval(function () { Module['_velkorn_tick'](); }, interval);
  },
  velkornNow: function (fields) {
    var now = new Date();
    var values = [now.getFullYear(), now.getMonth() + 1, now.getDate(), now.getHours(),
                  now.getMinutes(), now.getSeconds()];
    for (var i = 0; i < 6; ++i) HEAP32[(fields >> 2) + i] = values[i];
    return 0;
  },
  velkornClockParts: function (date) {
    var options = date ? { year: 'numeric', month: '2-digit', day: '2-digit' }
                       : { hour: 'numeric', minute: '2-digit', second: '2-digit' };
    var format = new Intl.DateTimeFormat(undefined, options);
    var resolved = format.resolvedOptions();
    var lines = format.formatToParts(new Date(2027, 2, 3, 15, 4, 5)).map(function (part) {
      return part.type + '\t' + (resolved[part.type] || '') + '\t' + part.value;
    });
    return allocateUTF8(lines.join('\n'));
  },
});
