// The design current of a line that feeds one to ten loads, for the line kind
// carried by the caption.
import * as core from './core.js';
import designs from './designs.js';
import {bind, onTyping} from './handlers.js';
import {closeWindow, setCaption} from './navigation.js';
import {focusFirstEnabled, readNumber, writeNumber} from './number_boxes.js';
import {printWindow} from './printing.js';

const design = designs.windows.Form3;
const MaxLoads = 10;

// The line kind travels as the caption, the only place it is kept.
function lineKindOfCaption(caption) {
  return Object.keys(design.titles).find((kind) => design.titles[kind] === caption);
}

export default function createForm3(w) {
  // Each load's power box and power-factor box, row 1 first, as the desktop pairs them.
  const rows = [
    [w.Edit5, w.Edit4], [w.Edit6, w.Edit15], [w.Edit7, w.Edit16], [w.Edit8, w.Edit17], [w.Edit9, w.Edit18],
    [w.Edit10, w.Edit19], [w.Edit11, w.Edit20], [w.Edit12, w.Edit21], [w.Edit13, w.Edit22], [w.Edit14, w.Edit23],
  ].map(([power, powerFactor]) => ({power, powerFactor, line: power.closest('.line')}));
  // The loads come between the Input frame and the buttons, as the designed order goes from
  // the inputs through the loads to the result and Calcola; a phone shows them in that order.
  w.Edit1.closest('[data-column]').after(w.Edit5.closest('[data-column]'));
  // The last "Avanti" and the last calculation.
  const fields = {n: 0, Fc: 0, V: 0, loads: [], I: [], Ib: 0};

  const showLoadRows = (count) => rows.forEach((row, k) => (row.line.hidden = k >= count));
  const loadCountInRange = () => fields.n >= 1 && fields.n <= MaxLoads;

  // A focused control that becomes disabled hands the focus on along the designed order, as on the desktop.
  const disableKeepingFocus = (control) => {
    const hadFocus = document.activeElement === control;
    control.disabled = true;
    if (hadFocus) {
      const after = design.tabOrder.slice(design.tabOrder.indexOf(control.id.slice('Form3-'.length)) + 1);
      focusFirstEnabled(after.map((name) => w[name]));
    }
  };

  const form = {
    FormCreate() {
      showLoadRows(0);
      w.Edit24.disabled = true;
      w.Button1.textContent = design.controls.Button1.text;
      w.Button1.disabled = false;
      w.Button2.hidden = true;
      w.Nuovocalcolo1.disabled = true;
      w.Stampa1.disabled = true;
    },
    // The line kind window's choice: the caption, then a cleared calculator.
    SetLineKind(kind) {
      setCaption('Form3', design.titles[kind]);
      form.ClearForNewCalculation();
    },
    ClearForNewCalculation() {
      w.Nuovocalcolo1.disabled = true;
      w.Stampa1.disabled = true;
      showLoadRows(0);
      w.Edit24.disabled = true;
      w.Edit1.value = '';
      w.Edit2.value = '';
      w.Edit3.value = '';
      w.Button1.textContent = design.controls.Button1.text;
      w.Button1.disabled = true;
      w.Button2.hidden = true;
      w.Edit24.value = '';
      for (const row of rows)
        row.power.value = '';
      for (const row of rows)
        row.powerFactor.value = '';
      focusFirstEnabled([w.Edit1]);
    },
    Edit1KeyPress() {
      w.Button1.disabled = false;
    },
    Button1Click() {
      disableKeepingFocus(w.Button1);
      w.Button2.hidden = false;
      fields.n = core.parseWholeNumber(w.Edit1.value);
      // Rows beyond n are hidden, so every row in view is one that "Calcola" reads.
      showLoadRows(loadCountInRange() ? fields.n : 0);
    },
    Button2Click() {
      w.Nuovocalcolo1.disabled = false;
      w.Stampa1.disabled = false;
      const kind = lineKindOfCaption(w.caption.textContent);
      if (!kind)
        return;
      w.Edit24.disabled = false;
      fields.Fc = readNumber(w.Edit2);
      fields.V = readNumber(w.Edit3);
      if (!loadCountInRange()) {
        // No loads to add up: an earlier current must not stand as the answer to these inputs.
        w.Edit24.value = '';
        return;
      }
      for (let k = 0; k < fields.n; ++k) {
        const power = readNumber(rows[k].power);
        const powerFactor = readNumber(rows[k].powerFactor);
        fields.loads[k] = {power, powerFactor};
      }
      const result = core.computeLoadCurrent(kind, fields.loads.slice(0, fields.n), fields.Fc, fields.V);
      fields.I = result.loadCurrents;
      fields.Ib = result.designCurrent;
      writeNumber(w.Edit24, fields.Ib);
    },
    Nuovocalcolo1Click() {
      form.ClearForNewCalculation();
    },
    Stampa1Click() {
      printWindow();
    },
    Esci1Click() {
      closeWindow('Form3');
    },
  };
  // The load count is a whole number: a phone offers its digits.
  w.Edit1.inputMode = 'numeric';
  onTyping(w.Edit1, form.Edit1KeyPress);
  bind(w.Button1, form.Button1Click);
  bind(w.Button2, form.Button2Click);
  bind(w.Nuovocalcolo1, form.Nuovocalcolo1Click);
  bind(w.Stampa1, form.Stampa1Click);
  bind(w.Esci1, form.Esci1Click);
  form.FormCreate();
  return form;
}
