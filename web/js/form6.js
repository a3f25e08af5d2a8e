// The voltage drop along a line, in volts and in percent of the supply voltage.
import * as core from './core.js';
import {bind, onTyping} from './handlers.js';
import {closeWindow} from './navigation.js';
import {focusFirstEnabled, readNumber, writeNumber} from './number_boxes.js';
import {printWindow} from './printing.js';

export default function createForm6(w) {
  const fields = {V: 0, Ib: 0, L: 0, S: 0, DeltaV: 0, DeltaVPercent: 0};  // the last calculation
  const boxes = [w.Edit1, w.Edit2, w.Edit3, w.Edit4, w.Edit5, w.Edit6];

  const showDropFor = (kind) => {
    const drop = core.computeVoltageDrop(core.dropCoefficient(kind), fields.V, fields.Ib, fields.L, fields.S);
    fields.DeltaV = drop.volts;
    fields.DeltaVPercent = drop.percent;
    writeNumber(w.Edit5, fields.DeltaV);
    writeNumber(w.Edit6, fields.DeltaVPercent);
  };

  const form = {
    // The same reset as Nuovo; the selected line kind stays selected.
    PrepareForOpening() {
      form.NuovoCTRLN1Click();
    },
    RadioButton1Click() {
      w.Edit1.disabled = false;
    },
    RadioButton2Click() {
      w.Edit1.disabled = false;
    },
    Edit1KeyPress() {
      w.Edit2.disabled = false;
    },
    Edit2KeyPress() {
      w.Edit3.disabled = false;
    },
    Edit3KeyPress() {
      w.Edit4.disabled = false;
    },
    Edit4KeyPress() {
      w.Button1.disabled = false;
    },
    Button1Click() {
      fields.V = readNumber(w.Edit1);
      fields.Ib = readNumber(w.Edit2);
      fields.L = readNumber(w.Edit3);
      fields.S = readNumber(w.Edit4);
      w.Edit5.disabled = false;
      w.Edit6.disabled = false;
      if (w.RadioButton1.checked)
        showDropFor('SinglePhase');
      if (w.RadioButton2.checked)
        showDropFor('ThreePhase');
      w.NuovoCTRLN1.disabled = false;
      w.Stampa1.disabled = false;
    },
    NuovoCTRLN1Click() {
      for (const box of boxes)
        box.value = '';
      for (const box of boxes)
        box.disabled = true;
      w.Button1.disabled = true;
      w.NuovoCTRLN1.disabled = true;
      w.Stampa1.disabled = true;
      focusFirstEnabled([w.RadioButton1, w.RadioButton2]);
    },
    Stampa1Click() {
      printWindow();
    },
    Chiudi1Click() {
      closeWindow('Form6');
    },
  };
  // Only a kind becoming selected counts: clicking the kind already selected is no change.
  bind(w.RadioButton1, form.RadioButton1Click, 'change');
  bind(w.RadioButton2, form.RadioButton2Click, 'change');
  onTyping(w.Edit1, form.Edit1KeyPress);
  onTyping(w.Edit2, form.Edit2KeyPress);
  onTyping(w.Edit3, form.Edit3KeyPress);
  onTyping(w.Edit4, form.Edit4KeyPress);
  bind(w.Button1, form.Button1Click);
  bind(w.NuovoCTRLN1, form.NuovoCTRLN1Click);
  bind(w.Stampa1, form.Stampa1Click);
  bind(w.Chiudi1, form.Chiudi1Click);
  return form;
}
