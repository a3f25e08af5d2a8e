// The short-circuit line kind: a copper cable line leads to the topology
// choice, a copper busbar line to its calculator, reset.
import {bind} from './handlers.js';
import {openWindow} from './navigation.js';
import {windows} from './windows.js';

export default function createForm9(w) {
  const form = {
    Button1Click() {
      openWindow('Form9', 'Form10');
    },
    Button2Click() {
      openWindow('Form9', 'Form13');
      windows.Form13.PrepareForOpening();
    },
  };
  bind(w.Button1, form.Button1Click);
  bind(w.Button2, form.Button2Click);
  return form;
}
