// The cable section for a design current.
import * as core from './core.js';
import {bind, onTyping} from './handlers.js';
import {closeWindow} from './navigation.js';
import {focusFirstEnabled, readNumber, writeNumber} from './number_boxes.js';
import {printWindow} from './printing.js';

export default function createForm5(w) {
  const fields = {Ib: 0, S: 0, Iz: 0};  // the last calculation
  const form = {
    // The main window's reset each time it opens this window.
    PrepareForOpening() {
      w.Button1.disabled = true;
      w.Edit1.value = '';
      w.Edit2.value = '';
      w.Edit3.value = '';
      w.Edit2.disabled = true;
      w.Edit3.disabled = true;
      w.NuovoCTRLN1.disabled = true;
      w.StampaCTRLMAIUSCF121.disabled = true;
      focusFirstEnabled([w.Edit1]);
    },
    Edit1KeyPress() {
      w.Button1.disabled = false;
    },
    Button1Click() {
      w.NuovoCTRLN1.disabled = false;
      w.StampaCTRLMAIUSCF121.disabled = false;
      w.Edit2.disabled = false;
      w.Edit3.disabled = false;
      fields.Ib = readNumber(w.Edit1);
      const row = core.chooseCableSection(fields.Ib);
      if (!row) {
        // Above the table no section answers: an earlier answer must not stand for this current.
        w.Edit2.value = '';
        w.Edit3.value = '';
        return;
      }
      fields.S = row.section;
      fields.Iz = row.capacity;
      writeNumber(w.Edit2, fields.S);
      writeNumber(w.Edit3, fields.Iz);
    },
    NuovoCTRLN1Click() {
      w.Button1.disabled = true;
      w.Edit1.value = '';
      w.Edit2.value = '';
      w.Edit3.value = '';
      w.NuovoCTRLN1.disabled = true;
      w.StampaCTRLMAIUSCF121.disabled = true;
      focusFirstEnabled([w.Edit1]);
    },
    StampaCTRLMAIUSCF121Click() {
      printWindow();
    },
    ChiudiALTF41Click() {
      closeWindow('Form5');
    },
  };
  onTyping(w.Edit1, form.Edit1KeyPress);
  bind(w.Button1, form.Button1Click);
  bind(w.NuovoCTRLN1, form.NuovoCTRLN1Click);
  bind(w.StampaCTRLMAIUSCF121, form.StampaCTRLMAIUSCF121Click);
  bind(w.ChiudiALTF41, form.ChiudiALTF41Click);
  return form;
}
