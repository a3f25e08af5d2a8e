// The main window: six buttons that open the calculations, Esci and Info.
import {bind} from './handlers.js';
import {closeWindow, openWindow} from './navigation.js';
import {windows} from './windows.js';

// The trigger, the window it opens, and the preparation that follows the showing.
const openings = [
  ['Button1', 'Form2'],
  ['Button2', 'Form5', () => windows.Form5.PrepareForOpening()],
  ['Button3', 'Form6', () => windows.Form6.PrepareForOpening()],
  ['Button4', 'Form7', () => windows.Form7.PrepareForOpening()],
  ['Button5', 'Form8', () => windows.Form8.PrepareForOpening()],
  ['Button6', 'Form9'],
  ['Info1', 'Form4'],
];

export default function createForm1(w) {
  // The title "VOLTARIS" "BT" stands in its sunken box beside the maker's line.
  const banner = document.createElement('div');
  banner.className = 'banner';
  const bevel = document.createElement('div');
  bevel.className = 'bevel';
  w.Label1.closest('.row').before(banner);
  for (const label of [w.Label2, w.Label3]) {
    const row = label.closest('.row');
    bevel.append(label);
    row.remove();
  }
  const makerRow = w.Label1.closest('.row');
  banner.append(w.Label1, bevel);
  makerRow.remove();

  const form = {
    EsciALTF41Click() {
      closeWindow('Form1');
    },
  };
  for (const [trigger, target, prepare] of openings)
    bind(w[trigger], () => {
      openWindow('Form1', target);
      if (prepare)
        prepare();
    });
  bind(w.EsciALTF41, form.EsciALTF41Click);
  return form;
}
