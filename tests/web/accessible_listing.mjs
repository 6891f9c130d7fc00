// What Chromium's accessibility tree gives for a card, in the golden
// listings' form (tests/golden): the window, then one shown item a line in
// the page's order, as name|role|description|key binding|value|states|
// language, the clock's readings as <time> and <date>. An item's text is
// its value where it says something else than its name. A browser joins
// the lines of a name or a description with spaces, as `readGolden` does.

const ROLE_WORDS = {
  application: 'window', dialog: 'dialog', button: 'push button', radio: 'radio button',
  textbox: 'text', group: 'static text', paragraph: 'static text', StaticText: 'static text',
  image: 'graphic', img: 'graphic',
};
const CLOCK = [[/^\d{1,2}:\d{2}:\d{2}( [AP]M)?$/, '<time>'],
               [/^\d{1,4}[./ -](\d{1,2}|[^\W\d]{3,})[./ -]\d{1,4}$/, '<date>']];

const field = (text) => (text || '').replace(/\n/g, '\\n');
const property = (node, name) => node.properties?.find((p) => p.name === name)?.value.value;

export function readGolden(text) {
  return text.replace(/\\n/g, ' ');
}

export async function accessibleListing(page, selector) {
  const session = await page.createCDPSession();
  try {
    await session.send('DOM.getDocument', { depth: 0 });
    const { result: element } = await session.send('Runtime.evaluate',
                                                   { expression: `document.querySelector('${selector}')` });
    const { node: cardNode } = await session.send('DOM.describeNode', { objectId: element.objectId });
    const { nodes } = await session.send('Accessibility.getFullAXTree');
    const byId = new Map(nodes.map((node) => [node.nodeId, node]));
    const card = nodes.find((node) => node.backendDOMNodeId === cardNode.backendNodeId);
    if (!card) throw new Error('the card is not in the accessibility tree');
    const text = (node) => (node.role?.value === 'StaticText' ? node.name?.value || ''
      : (node.childIds || []).map((id) => text(byId.get(id))).join(''));
    const language = async (node) => {
      const { object } = await session.send('DOM.resolveNode', { backendNodeId: node.backendDOMNodeId });
      const { result } = await session.send('Runtime.callFunctionOn', {
        objectId: object.objectId, returnByValue: true,
        functionDeclaration: 'function () { const e = this.nodeType === 1 ? this : this.parentElement;' +
                             ' return e.getAttribute("lang") || ""; }',
      });
      return result.value;
    };
    const line = async (node) => {
      const role = ROLE_WORDS[node.role.value];
      // Text without a name of its own (a paragraph) is named by what it says.
      const name = node.name?.value || (role === 'static text' ? text(node) : '');
      let value = role === 'text' ? node.value?.value || '' : text(node);
      if (value === name && role !== 'text') value = '';
      for (const [pattern, word] of CLOCK) if (pattern.test(value)) value = word;
      const states = [['focusable', property(node, 'focusable') === true],
                      ['read-only', role === 'static text' || role === 'graphic'],
                      ['pressable', role === 'push button' || role === 'radio button'],
                      ['checked', property(node, 'checked') === 'true']]
        .filter(([, holds]) => holds).map(([word]) => word).join(',');
      return [name, role, node.description?.value, property(node, 'keyshortcuts'), value, states,
              await language(node)].map(field).join('|');
    };
    const lines = [[card.name?.value, ROLE_WORDS[card.role.value], card.description?.value, '', '', '', '']
      .map(field).join('|')];
    const visit = async (node) => {
      for (const id of node.childIds || []) {
        const child = byId.get(id);
        if (!child.ignored && ROLE_WORDS[child.role?.value]) lines.push(await line(child));
        else await visit(child);
      }
    };
    await visit(card);
    return lines.join('\n') + '\n';
  } finally {
    await session.detach();
  }
}
