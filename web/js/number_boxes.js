// Reading and writing numbers in boxes, with the user's decimal separator.
import * as core from './core.js';
import {decimalSeparator} from './locale.js';

export function readNumber(box) {
  return core.parseNumber(box.value, decimalSeparator());
}

export function writeNumber(box, value) {
  box.value = core.formatNumber(value, decimalSeparator());
}

// Focus goes to the first of these boxes that can take it.
export function focusFirstEnabled(boxes) {
  const box = boxes.find((b) => !b.disabled && !b.closest('[hidden]'));
  if (box)
    box.focus();
}
