// The Info window: the credits, the maker's address as a link that opens in
// a new tab, and OK.
import {bind} from './handlers.js';
import {closeWindow} from './navigation.js';

export default function createForm4(w) {
  const form = {
    Button1Click() {
      closeWindow('Form4');
    },
  };
  bind(w.Button1, form.Button1Click);
  return form;
}
