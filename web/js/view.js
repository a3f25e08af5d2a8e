// Builds a window's section from its design: heading and close control, the
// menu's items as buttons, then the design's frames and rows as real controls.
// Every element gets the id "<Window>-<ControlName>"; the returned `controls`
// holds them by their design names, as the desktop's Ui class does.

function element(tag, properties = {}, children = []) {
  const node = document.createElement(tag);
  for (const [key, value] of Object.entries(properties)) {
    if (value === undefined || value === null || value === false)
      continue;
    if (key in node)
      node[key] = value;
    else
      node.setAttribute(key, value === true ? '' : value);
  }
  node.append(...children);
  return node;
}

// A caption or unit made of parts: "I" with a lowered "cco", "mm" with a raised "2".
function textParts(parts, id) {
  return parts.map((part) => {
    const tag = part.v === 'sub' ? 'sub' : part.v === 'sup' ? 'sup' : 'span';
    return element(tag, {id: id(part.name)}, [part.text]);
  });
}

export function buildWindow(name, design, {omit = []} = {}) {
  const id = (control) => `${name}-${control}`;
  const controls = {};
  const keep = (control, node) => (controls[control] = node);
  const section = element('section', {
    className: 'window', id: name, hidden: true, 'aria-labelledby': id('caption'),
  });
  section.style.setProperty('--design-width', `${design.width}px`);
  if (design.layout.columns === 2)
    section.classList.add('two-columns');

  const heading = element('h1', {id: id('caption')}, [design.caption]);
  const close = document.getElementById('close-control').content.firstElementChild.cloneNode(true);
  close.id = id('close');
  section.append(element('header', {className: 'titlebar'}, [heading, close]));
  keep('caption', heading);
  keep('close', close);

  if (design.menu.length) {
    const menu = element('div', {className: 'menu'});
    for (const item of design.menu)
      menu.append(keep(item.name, element('button', {type: 'button', id: id(item.name)}, [item.text])));
    section.append(menu);
  }

  const body = element('div', {className: `body columns-${design.layout.columns}`});
  for (const block of design.layout.blocks) {
    const rows = [];
    for (const row of block.rows) {
      const built = buildRow(row);
      if (!built)
        continue;
      // Boxes that share a line of the design share a line of the page where it is wide enough.
      const last = rows[rows.length - 1];
      if (row.line && last?.dataset.line === row.line) {
        last.append(built);
      } else if (row.line) {
        rows.push(element('div', {className: 'row line', 'data-line': row.line}, [built]));
      } else {
        rows.push(built);
      }
    }
    let group;
    if (block.frame) {
      group = element('fieldset', {className: `frame ${block.frame.toLowerCase()}`},
        [keep(block.legend, element('legend', {id: id(block.legend)}, [design.controls[block.legend].text]))]);
      group.append(...rows);
    } else {
      group = element('div', {className: 'group'}, rows);
    }
    group.dataset.column = block.column;
    body.append(group);
  }
  section.append(body);

  function buildRow(row) {
    if (row.kind === 'field')
      return buildField(row);
    const items = row.items.filter((item) => !omit.includes(item));
    if (!items.length)
      return null;
    const line = element('div', {className: `row ${row.kind}`});
    for (const item of items)
      line.append(buildItem(item, design.controls[item]));
    return line;
  }

  function buildItem(item, control) {
    if (control.picture)
      return keep(item, element('img', {
        id: id(item), src: `pictures/${control.picture}`, alt: '', width: control.width, height: control.height,
        decoding: 'async',
      }));
    if (control.class === 'QPushButton')
      return keep(item, element('button', {type: 'button', id: id(item)}, [control.text ?? '']));
    if (control.class === 'QRadioButton') {
      const input = keep(item, element('input', {type: 'radio', id: id(item), name: id('choice')}));
      return element('label', {className: 'choice', htmlFor: id(item)}, [input, ' ', control.text ?? '']);
    }
    if (control.class === 'LinkLabel')
      return keep(item, element('a', {id: id(item), href: control.text, target: '_blank', rel: 'noopener'},
        [control.text ?? '']));
    return keep(item, element('p', {id: id(item), className: control.bold ? 'text strong' : 'text'},
      [control.text ?? '']));
  }

  function buildField(row) {
    const box = design.controls[row.box];
    const input = box.class === 'QComboBox'
      ? buildCombo(row.box)
      : element('input', {type: 'text', id: id(row.box), inputMode: row.result ? undefined : 'decimal',
        autocomplete: 'off', readOnly: row.result});
    keep(row.box, input);
    const label = element('label', {htmlFor: id(row.box), id: id(`${row.box}-label`)}, textParts(row.caption, id));
    row.caption.forEach((part) => keep(part.name, label.querySelector(`#${id(part.name)}`)));
    const unit = element('span', {className: 'unit', id: id(`${row.box}-unit`)}, textParts(row.unit, id));
    row.unit.forEach((part) => keep(part.name, unit.querySelector(`#${id(part.name)}`)));
    const names = [label.id];
    if (row.unit.length)
      names.push(unit.id);
    input.setAttribute('aria-labelledby', names.join(' '));
    const field = element('div', {className: row.result ? 'row field result' : 'row field'},
      [label, element('span', {className: 'box'}, [input, unit])]);
    if (row.hint) {
      const hint = keep(row.hint, element('p', {className: 'hint', id: id(row.hint)},
        [design.controls[row.hint].text ?? '']));
      if (design.controls[row.hint].colour)
        hint.style.color = design.controls[row.hint].colour;
      input.setAttribute('aria-describedby', hint.id);
      field.append(hint);
    }
    return field;
  }

  // An editable list: a text box with the choices offered under it.
  function buildCombo(control) {
    const list = element('datalist', {id: id(`${control}-list`)});
    const input = element('input', {type: 'text', id: id(control), inputMode: 'decimal', autocomplete: 'off'});
    input.setAttribute('list', list.id);
    keep(`${control}-list`, list);
    section.append(list);
    return input;
  }

  return {section, controls};
}
