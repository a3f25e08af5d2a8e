// The line kind of the load current: each button opens the calculator set to its kind.
import {bind} from './handlers.js';
import {openWindow} from './navigation.js';
import {windows} from './windows.js';

export default function createForm2(w) {
  const openCalculator = (kind) => {
    openWindow('Form2', 'Form3');
    windows.Form3.SetLineKind(kind);
  };
  const form = {
    Button1Click() {
      openCalculator('SinglePhase');
    },
    Button2Click() {
      openCalculator('ThreePhaseWithNeutral');
    },
  };
  bind(w.Button1, form.Button1Click);
  bind(w.Button2, form.Button2Click);
  return form;
}
