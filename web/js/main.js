// Start-up: builds the twelve windows from their designs, in the desktop's
// order, shows the main window, then loads the calculation core and gives
// each window its handlers.
import designs from './designs.js';
import {loadCore} from './core.js';
import {installFaultDialog} from './fault_dialog.js';
import {startNavigation} from './navigation.js';
import {keepForOffline} from './offline.js';
import {buildWindow} from './view.js';
import {windows} from './windows.js';
import createForm1 from './form1.js';
import createForm2 from './form2.js';
import createForm3 from './form3.js';
import createForm4 from './form4.js';
import createForm5 from './form5.js';
import createForm6 from './form6.js';
import createForm7 from './form7.js';
import createForm8 from './form8.js';
import createForm9 from './form9.js';
import createForm10 from './form10.js';
import createForm12 from './form12.js';
import createForm13 from './form13.js';

// Each window's handlers, and the design controls that the page leaves out
// (the logos would cost more bytes than they tell).
const behaviours = {
  Form1: {create: createForm1, omit: ['Image1']},
  Form2: {create: createForm2},
  Form3: {create: createForm3},
  Form4: {create: createForm4, omit: ['Image1']},
  Form5: {create: createForm5},
  Form6: {create: createForm6},
  Form7: {create: createForm7},
  Form8: {create: createForm8},
  Form9: {create: createForm9},
  Form10: {create: createForm10},
  Form12: {create: createForm12},
  Form13: {create: createForm13},
};

async function start() {
  const screen = document.getElementById('screen');
  const views = {};
  for (const name of designs.order) {
    views[name] = buildWindow(name, designs.windows[name], behaviours[name]);
    screen.append(views[name].section);
  }
  installFaultDialog();
  startNavigation('Form1');
  performance.mark('voltaris-first-window');
  await loadCore();
  for (const name of designs.order)
    windows[name] = behaviours[name] ? behaviours[name].create(views[name].controls) : {};
  window.voltarisReady = true;
  keepForOffline();
}

start().catch((error) => {
  document.getElementById('failed').hidden = false;
  throw error;
});
