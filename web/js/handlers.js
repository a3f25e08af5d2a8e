// Every handler runs through here, so a fault it raises reaches the fault box
// and the handler simply stops there, keeping what it had already done.
import {Fault} from './core.js';
import {reportFault} from './fault_dialog.js';

export function runHandler(handler) {
  try {
    handler();
  } catch (error) {
    if (!(error instanceof Fault))
      throw error;
    reportFault(error.message);
  }
}

// Binds a control's event to a window's handler: bind(w.Button1, form.Button1Click).
export function bind(control, handler, event = 'click') {
  control.addEventListener(event, () => runHandler(handler));
}

// Typing into a box: any edit (phones send no key events), and Backspace even
// in an empty box, as a typed key counts on the desktop.
export function onTyping(box, handler) {
  box.addEventListener('input', () => runHandler(handler));
  box.addEventListener('keydown', (event) => {
    if (event.key === 'Backspace' && box.value === '')
      runHandler(handler);
  });
}
