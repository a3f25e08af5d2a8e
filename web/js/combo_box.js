// An editable list: a text box whose <datalist> offers the items. As on the
// desktop, typing completes the text to the first item, in list order, that
// starts with it (the completed part selected, so the next key types over it),
// and the arrow keys step through the items; a completed, stepped-to or picked
// item counts as chosen.
import {runHandler} from './handlers.js';

export function fillList(list, texts) {
  list.replaceChildren(...texts.map((text) => {
    const option = document.createElement('option');
    option.value = text;
    return option;
  }));
}

const itemsOf = (list) => [...list.options].map((option) => option.value);

// What was typed is the text before a selection that runs to the end: a
// completion already made stays as it is.
function complete(box, list, chosen) {
  const typedEnd = box.selectionEnd === box.value.length ? box.selectionStart : box.value.length;
  const typed = box.value.slice(0, typedEnd);
  if (typed === '')
    return;
  const item = itemsOf(list).find((text) => text.toLowerCase().startsWith(typed.toLowerCase()));
  if (item === undefined)
    return;
  box.value = item;
  box.setSelectionRange(typed.length, item.length);
  runHandler(chosen);
}

function step(box, list, by, chosen) {
  const items = itemsOf(list);
  if (!items.length)
    return;
  const at = items.indexOf(box.value);
  const next = at < 0 ? 0 : Math.min(Math.max(at + by, 0), items.length - 1);
  box.value = items[next];
  box.select();
  runHandler(chosen);
}

export function onChoosing(box, list, chosen) {
  // Deleting completes nothing and chooses nothing; a composing keyboard completes once it has finished.
  box.addEventListener('input', (event) => {
    if (!event.isComposing && !event.inputType?.startsWith('delete'))
      complete(box, list, chosen);
  });
  box.addEventListener('compositionend', () => complete(box, list, chosen));
  // Alt with an arrow opens the list, as the browser offers it.
  box.addEventListener('keydown', (event) => {
    if (event.altKey || event.ctrlKey || event.metaKey || event.shiftKey)
      return;
    if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
      event.preventDefault();
      step(box, list, event.key === 'ArrowDown' ? 1 : -1, chosen);
    }
  });
}
