// The short-circuit currents at a fault point along a copper cable line, for
// the topology that the window's caption names.
import * as core from './core.js';
import designs from './designs.js';
import {bind, onTyping} from './handlers.js';
import {closeWindow, setCaption} from './navigation.js';
import {focusFirstEnabled, readNumber, writeNumber} from './number_boxes.js';
import {printWindow} from './printing.js';

// The topology travels as the window's caption, and these are its texts.
const titles = designs.windows.Form12.titles;

export default function createForm12(w) {
  const fields = {Icco: 0, L: 0, SF: 0, SN: 0, IccFN: 0, IccFF: 0, Icc3f: 0};  // the last calculation

  // A row comes and goes whole: its symbol, its box, its units and its hint.
  const showRow = (box, shown) => {
    box.closest('.row').hidden = !shown;
  };

  const reset = () => {
    for (const box of [w.Edit1, w.Edit2, w.Edit3, w.Edit4, w.Edit5, w.Edit6, w.Edit7])
      box.value = '';
    for (const control of [w.Edit2, w.Edit3, w.Edit4, w.Button1])
      control.disabled = true;
    w.NuovoCTRLN1.disabled = true;
    w.Stampa1.disabled = true;
    focusFirstEnabled([w.Edit1]);
  };

  const form = {
    // The topology window's set-up for the line it chose.
    SetUpForTopology(topology) {
      setCaption('Form12', titles[topology]);
      reset();
      showRow(w.Edit4, topology === 'ThreePhaseWithNeutral');
      showRow(w.Edit5, topology !== 'ThreePhaseWithoutNeutral');
      showRow(w.Edit6, topology !== 'SinglePhase');
      showRow(w.Edit7, topology !== 'SinglePhase');
    },
    Edit1KeyPress() {
      w.Edit2.disabled = false;
    },
    Edit2KeyPress() {
      w.Edit3.disabled = false;
    },
    Edit3KeyPress() {
      // "Calcola" may run before the neutral section is typed.
      w.Edit4.disabled = false;
      w.Button1.disabled = false;
    },
    Edit4KeyPress() {
      w.Button1.disabled = false;
    },
    Button1Click() {
      // The caption is compared with each topology's text in turn.
      for (const [topology, title] of Object.entries(titles)) {
        if (w.caption.textContent !== title)
          continue;
        fields.Icco = readNumber(w.Edit1);
        fields.L = readNumber(w.Edit2);
        fields.SF = readNumber(w.Edit3);
        if (topology === 'ThreePhaseWithNeutral')
          fields.SN = readNumber(w.Edit4);
        const currents = core.cableLineShortCircuit(topology, fields.Icco, fields.L, fields.SF, fields.SN);
        if (currents.IccFN !== undefined) {
          fields.IccFN = currents.IccFN;
          writeNumber(w.Edit5, fields.IccFN);
        }
        if (currents.IccFF !== undefined) {
          fields.IccFF = currents.IccFF;
          writeNumber(w.Edit6, fields.IccFF);
        }
        if (currents.Icc3f !== undefined) {
          fields.Icc3f = currents.Icc3f;
          writeNumber(w.Edit7, fields.Icc3f);
        }
      }
      w.NuovoCTRLN1.disabled = false;
      w.Stampa1.disabled = false;
    },
    NuovoCTRLN1Click() {
      reset();
    },
    Stampa1Click() {
      printWindow();
    },
    EsciALTF41Click() {
      closeWindow('Form12');
    },
  };
  onTyping(w.Edit1, form.Edit1KeyPress);
  onTyping(w.Edit2, form.Edit2KeyPress);
  onTyping(w.Edit3, form.Edit3KeyPress);
  onTyping(w.Edit4, form.Edit4KeyPress);
  bind(w.Button1, form.Button1Click);
  bind(w.NuovoCTRLN1, form.NuovoCTRLN1Click);
  bind(w.Stampa1, form.Stampa1Click);
  bind(w.EsciALTF41, form.EsciALTF41Click);
  return form;
}
