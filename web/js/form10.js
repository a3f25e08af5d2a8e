// The topology of a copper cable line: each OK sets up the cable-line
// calculator for the line drawn beside it.
import designs from './designs.js';
import {bind} from './handlers.js';
import {openWindow} from './navigation.js';
import {windows} from './windows.js';

const topologies = {
  Button1: 'ThreePhaseWithNeutral',
  Button2: 'ThreePhaseWithoutNeutral',
  Button3: 'SinglePhase',
};

export default function createForm10(w) {
  const openCalculator = (topology) => {
    openWindow('Form10', 'Form12');
    windows.Form12.SetUpForTopology(topology);
  };
  const form = {
    Button1Click() {
      openCalculator(topologies.Button1);
    },
    Button2Click() {
      openCalculator(topologies.Button2);
    },
    Button3Click() {
      openCalculator(topologies.Button3);
    },
  };
  // Three buttons captioned "OK" are told apart by the line each chooses,
  // named as the window it opens is titled.
  for (const [button, topology] of Object.entries(topologies)) {
    w[button].setAttribute('aria-label', designs.windows.Form12.titles[topology]);
    bind(w[button], form[`${button}Click`]);
  }
  return form;
}
