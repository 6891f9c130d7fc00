// The table of ways text enters a number box (tests/entry/entry_cases.tsv),
// run in the page on Input 1 as the desktop front ends run it: each row's
// text set as the program sets it, its steps made as a person, an input
// method or a screen reader makes them, then the box, its caret and the box
// after one Ctrl+Z compared with the row.
import { readFile } from 'node:fs/promises';

const unescape = (cell) => cell.replace(/\\(u[0-9A-Fa-f]{4}|U[0-9A-Fa-f]{8}|.)/g, (_, kind) => {
  if (kind[0] === 'u' || kind[0] === 'U') return String.fromCodePoint(parseInt(kind.slice(1), 16));
  const plain = { '\\': '\\', s: ' ', t: '\t', r: '\r', n: '\n' }[kind];
  if (plain === undefined) throw new Error(`unknown escape \\${kind}`);
  return plain;
});

export async function readEntryTable() {
  const text = await readFile(new URL('../entry/entry_cases.tsv', import.meta.url), 'utf8');
  return text.split('\n').filter((line) => line && !line.startsWith('#')).map((line) => {
    const [name, before, selection, steps, after, caret, undone] = line.split('\t');
    const [from, to = from] = selection.split(':').map(Number);
    return {
      name, before: unescape(before), from, to, after: unescape(after), caret: Number(caret),
      undone: unescape(undone),
      steps: steps.split(' ').map((step) => {
        const at = step.indexOf(':');
        return at < 0 ? { action: step, text: '' } : { action: step.slice(0, at), text: unescape(step.slice(at + 1)) };
      }),
    };
  });
}

// The page's keys as Chromium's input layer takes them.
const chord = async (page, keys) => {
  for (const key of keys) await page.keyboard.down(key);
  for (const key of [...keys].reverse()) await page.keyboard.up(key);
};

function stepper(page, session, box) {
  // Pasted by keys, or by the edit menu's command (no key).
  const paste = async (text, keys) => {
    await page.evaluate((t) => navigator.clipboard.writeText(t), text);
    if (keys) await chord(page, keys);
    else await session.send('Input.dispatchKeyEvent', { type: 'rawKeyDown', commands: ['paste'] });
  };
  const compose = (text) => session.send('Input.imeSetComposition',
                                         { text, selectionStart: text.length, selectionEnd: text.length });
  return {
    type: async (text) => {
      for (const character of text) {
        await session.send('Input.dispatchKeyEvent', { type: 'keyDown', text: character, key: character });
        await session.send('Input.dispatchKeyEvent', { type: 'keyUp', key: character });
      }
    },
    'ime-commit': async (text) => { await compose(text); await session.send('Input.insertText', { text }); },
    'ime-cancel': async (text) => { await compose(text); await compose(''); },
    'ime-char': async (text) => {
      for (const character of text) { await compose(character); await session.send('Input.insertText', { text: character }); }
    },
    'ctrl+v': (text) => paste(text, ['Control', 'KeyV']),
    'shift+insert': (text) => paste(text, ['Shift', 'Insert']),
    'menu-paste': (text) => paste(text, null),
    // A screen reader's new value, as Chromium sets it: the whole text, and
    // an input event.
    settext: (text) => box.evaluate((b, t) => {
      b.value = t;
      b.dispatchEvent(new InputEvent('input', { bubbles: true, inputType: 'insertReplacementText' }));
    }, text),
    replacesel: (text) => box.evaluate((b, t) => document.execCommand('insertText', false, t), text),
    drop: async (text) => {
      const area = await box.boundingBox();
      const at = { x: area.x + area.width - 4, y: area.y + area.height / 2 };
      const data = { items: [{ mimeType: 'text/plain', data: text }], dragOperationsMask: 1 };
      for (const type of ['dragEnter', 'dragOver', 'drop']) {
        await session.send('Input.dispatchDragEvent', { type, ...at, data });
      }
    },
    clear: () => chord(page, ['Alt', 'KeyC']),
    'ctrl+backspace': () => chord(page, ['Control', 'Backspace']),
    backspace: () => chord(page, ['Backspace']),
    delete: () => chord(page, ['Delete']),
    home: () => chord(page, ['Home']),
    'alt+h': () => chord(page, ['Alt', 'KeyH']),
    'alt+q': () => chord(page, ['Alt', 'KeyQ']),
    'alt+shift+e': () => chord(page, ['Alt', 'Shift', 'KeyE']),
  };
}

const shown = (text) => JSON.stringify(text);

// What a page cannot meet: a lone surrogate (a browser hands a page
// well-formed text only) and Windows' replace-the-selection message.
const wellFormed = (text) => {
  try {
    encodeURIComponent(text); // refuses a lone surrogate
    return true;
  } catch {
    return false;
  }
};
export const meetsPage = (row) => row.steps.every((step) => step.action !== 'replacesel' && wellFormed(step.text));
// A value a screen reader sets replaces the box's text from outside the
// page, and Chromium keeps no undo for it.
const undoKept = (row) => row.steps.every((step) => step.action !== 'settext');

// The rows whose outcome differs from the table, one line each.
export async function runEntryTable(page, rows) {
  const session = await page.createCDPSession();
  const box = await page.waitForSelector('.card input[data-name="Text1"]', { timeout: 15000 });
  const steps = stepper(page, session, box);
  const failures = [];
  try {
    for (const row of rows) {
      // Set as the program sets a box: a new text, a new undo history.
      await box.evaluate((b, text, from, to) => {
        b.focus();
        b.value = text;
        b.dispatchEvent(new Event('input', { bubbles: true }));
        b.setSelectionRange(from, to);
      }, row.before, row.from, row.to);
      for (const step of row.steps) {
        if (!steps[step.action]) throw new Error(`${row.name}: no step ${step.action}`);
        await steps[step.action](step.text);
      }
      const read = () => box.evaluate((b) => [b.value, b.selectionStart, b.selectionEnd]);
      const [after, from, to] = await read();
      await chord(page, ['Control', 'KeyZ']);
      const [undone] = await read();
      if (after !== row.after || from !== row.caret || to !== row.caret || (undoKept(row) && undone !== row.undone)) {
        failures.push(`${row.name}: ${shown(after)} caret ${from}:${to}, undone ${shown(undone)}; ` +
                      `the table: ${shown(row.after)} caret ${row.caret}, undone ${shown(row.undone)}`);
      }
    }
  } finally {
    await session.detach();
  }
  return failures;
}
