// The rated current of a line's protective device for its conductors' section.
import * as core from './core.js';
import {fillList, onChoosing} from './combo_box.js';
import designs from './designs.js';
import {bind} from './handlers.js';
import {closeWindow} from './navigation.js';
import {focusFirstEnabled, readNumber, writeNumber} from './number_boxes.js';
import {printWindow} from './printing.js';

export default function createForm7(w) {
  const fields = {S: 0, In: 0};  // the last calculation
  // The list's sections as designed, the same texts in every language, as on the desktop.
  const offerSections = () => fillList(w['ComboBox1-list'], designs.windows.Form7.controls.ComboBox1.items);

  const form = {
    // The main window's reset each time it opens this window.
    PrepareForOpening() {
      offerSections();
      w.ComboBox1.value = '';
      w.Edit2.value = '';
      w.StampaCTRLMAIUSCF121.disabled = true;
      w.Button1.disabled = true;
      focusFirstEnabled([w.ComboBox1]);
    },
    ComboBox1Select() {
      w.Button1.disabled = false;
    },
    Button1Click() {
      w.StampaCTRLMAIUSCF121.disabled = false;
      // The text as it stands: typed, completed or picked.
      fields.S = readNumber(w.ComboBox1);
      const row = core.chooseProtectionRating(fields.S);
      if (!row) {
        // No section of the table: an earlier answer must not stand for this one.
        w.Edit2.value = '';
        return;
      }
      fields.In = row.rating;
      writeNumber(w.Edit2, fields.In);
    },
    StampaCTRLMAIUSCF121Click() {
      printWindow();
      // Once per calculation.
      w.StampaCTRLMAIUSCF121.disabled = true;
      // The focus leaves the item it disabled for Calcola, which ran before it.
      focusFirstEnabled([w.Button1]);
    },
    ChiudiALTF41Click() {
      closeWindow('Form7');
    },
  };
  offerSections();
  onChoosing(w.ComboBox1, w['ComboBox1-list'], form.ComboBox1Select);
  bind(w.Button1, form.Button1Click);
  bind(w.StampaCTRLMAIUSCF121, form.StampaCTRLMAIUSCF121Click);
  bind(w.ChiudiALTF41, form.ChiudiALTF41Click);
  return form;
}
