// The reactive power that raises a load's power factor from its initial to its final value.
import * as core from './core.js';
import {bind, onTyping} from './handlers.js';
import {closeWindow} from './navigation.js';
import {focusFirstEnabled, readNumber, writeNumber} from './number_boxes.js';
import {printWindow} from './printing.js';

export default function createForm8(w) {
  const fields = {P: 0, CosPhi1: 0, CosPhi2: 0, TanPhi1: 0, TanPhi2: 0, Q: 0};  // the last calculation
  const form = {
    // The same reset as Nuovo.
    PrepareForOpening() {
      form.NuovoCTRLN1Click();
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
      // Enabled first, so a fault further on leaves them enabled.
      w.NuovoCTRLN1.disabled = false;
      w.StampaCTRLMAIUSCF122.disabled = false;
      fields.P = readNumber(w.Edit1);
      fields.CosPhi1 = readNumber(w.Edit2);
      fields.CosPhi2 = readNumber(w.Edit3);
      const correction = core.computeCorrectionPower(fields.P, fields.CosPhi1, fields.CosPhi2);
      fields.TanPhi1 = correction.initialTangent;
      fields.TanPhi2 = correction.finalTangent;
      fields.Q = correction.reactivePower;
      writeNumber(w.Edit4, fields.Q);
    },
    NuovoCTRLN1Click() {
      for (const box of [w.Edit1, w.Edit2, w.Edit3, w.Edit4])
        box.value = '';
      w.Edit2.disabled = true;
      w.Edit3.disabled = true;
      w.Button1.disabled = true;
      w.NuovoCTRLN1.disabled = true;
      w.StampaCTRLMAIUSCF122.disabled = true;
      focusFirstEnabled([w.Edit1]);
    },
    StampaCTRLMAIUSCF122Click() {
      printWindow();
    },
    // This item is the window's Chiudi, whatever its name says.
    StampaCTRLMAIUSCF121Click() {
      closeWindow('Form8');
    },
  };
  onTyping(w.Edit1, form.Edit1KeyPress);
  onTyping(w.Edit2, form.Edit2KeyPress);
  onTyping(w.Edit3, form.Edit3KeyPress);
  bind(w.Button1, form.Button1Click);
  bind(w.NuovoCTRLN1, form.NuovoCTRLN1Click);
  bind(w.StampaCTRLMAIUSCF122, form.StampaCTRLMAIUSCF122Click);
  bind(w.StampaCTRLMAIUSCF121, form.StampaCTRLMAIUSCF121Click);
  return form;
}
