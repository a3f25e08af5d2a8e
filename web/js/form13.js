// The short-circuit currents at a fault point along a copper busbar line.
import * as core from './core.js';
import {bind, onTyping} from './handlers.js';
import {closeWindow} from './navigation.js';
import {focusFirstEnabled, readNumber, writeNumber} from './number_boxes.js';
import {printWindow} from './printing.js';

export default function createForm13(w) {
  const fields = {Icco: 0, L: 0, IZ: 0, IccFN: 0, IccFF: 0, Icc3f: 0};  // the last calculation

  // Line kind window's busbar choice and Nuovo alike: empty, only the first box open.
  const reset = () => {
    for (const box of [w.Edit1, w.Edit2, w.Edit3, w.Edit5, w.Edit6, w.Edit7])
      box.value = '';
    for (const control of [w.Edit2, w.Edit3, w.Button1])
      control.disabled = true;
    w.nuovo1.disabled = true;
    w.stampa1.disabled = true;
    focusFirstEnabled([w.Edit1]);
  };

  const form = {
    PrepareForOpening() {
      reset();
    },
    Edit1KeyPress() {
      w.Edit2.disabled = false;
    },
    Edit2KeyPress() {
      w.Edit3.disabled = false;
    },
    Edit3KeyPress() {
      w.Button1.disabled = false;
    },
    Button1Click() {
      // Enabled first, so they stay enabled when a box stops the calculation.
      w.nuovo1.disabled = false;
      w.stampa1.disabled = false;
      fields.Icco = readNumber(w.Edit1);
      fields.L = readNumber(w.Edit2);
      fields.IZ = readNumber(w.Edit3);
      const currents = core.busbarLineShortCircuit(fields.Icco, fields.L, fields.IZ);
      fields.IccFN = currents.IccFN;
      fields.IccFF = currents.IccFF;
      fields.Icc3f = currents.Icc3f;
      writeNumber(w.Edit5, fields.IccFN);
      writeNumber(w.Edit6, fields.IccFF);
      writeNumber(w.Edit7, fields.Icc3f);
    },
    nuovo1Click() {
      reset();
    },
    stampa1Click() {
      printWindow();
    },
    esci1Click() {
      closeWindow('Form13');
    },
  };
  onTyping(w.Edit1, form.Edit1KeyPress);
  onTyping(w.Edit2, form.Edit2KeyPress);
  onTyping(w.Edit3, form.Edit3KeyPress);
  bind(w.Button1, form.Button1Click);
  bind(w.nuovo1, form.nuovo1Click);
  bind(w.stampa1, form.stampa1Click);
  bind(w.esci1, form.esci1Click);
  return form;
}
