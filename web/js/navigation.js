// Which window is shown when. Exactly one window is visible. Opening a window
// pushes a history entry; closing one (its Chiudi item, its close control or
// the browser's Back) shows the window that the desktop's closing table
// names and goes back to that window's history entry.
import designs from './designs.js';
import {closeFault} from './fault_dialog.js';

const routes = designs.closingRoutes;
const lastFocus = new Map();  // window -> the control that last had the focus in it
let stack = [];               // this page's history entries, by window
let position = 0;             // the current entry in `stack`

const section = (name) => document.getElementById(name);

export function visibleWindow() {
  return stack[position];
}

// The window's controls in the design's tab order.
function tabStops(name) {
  return designs.windows[name].tabOrder.map((control) => document.getElementById(`${name}-${control}`));
}

function usable(node) {
  return node && node.isConnected && !node.disabled && !node.closest('[hidden]');
}

// Shows a window with the focus where it was left, or on its first tab stop.
function showWindow(name) {
  const target = section(name);
  target.hidden = false;
  document.title = document.getElementById(`${name}-caption`).textContent;
  const focus = [lastFocus.get(name), ...tabStops(name)].find(usable) ?? target.querySelector('button');
  if (focus)
    focus.focus();
}

// A window's caption: its heading, and the tab's title while it is shown.
export function setCaption(name, text) {
  document.getElementById(`${name}-caption`).textContent = text;
  if (!section(name).hidden)
    document.title = text;
}

// Shows the target first, then hides the source.
export function showInstead(from, to) {
  showWindow(to);
  if (from !== to)
    section(from).hidden = true;
}

// The browser moves through its history later, when a traversal lands: the
// page's own steps wait in order until a traversal of its own has landed.
const waiting = [];
let landing = null;  // the entry that a traversal of the page's is going to

function historyStep(step) {
  waiting.push(step);
  runWaitingSteps();
}

function runWaitingSteps() {
  while (landing === null && waiting.length) {
    const next = waiting.shift();
    if (next.steps) {
      landing = next.entry;
      history.go(next.steps);
    } else if (next.push) {
      history.pushState({voltaris: next.entry}, '');
    } else {
      history.replaceState({voltaris: next.entry}, '');
    }
  }
}

// An opener's step: the target is shown and gets its own history entry.
export function openWindow(from, to) {
  showInstead(from, to);
  stack = stack.slice(0, position + 1);
  stack.push(to);
  position = stack.length - 1;
  historyStep({push: true, entry: position});
}

// Leaves the visible window for its route's window, whose history entry
// becomes the current one. Back may have landed before that entry (a jump
// through the browser's history list): then the landing entry's window shows.
function closeVisible(landed) {
  const name = stack[position];
  const route = routes[name];
  const entry = stack.lastIndexOf(route, position - 1);
  if (entry > landed) {
    showInstead(name, stack[landed]);
    return landed;
  }
  showInstead(name, route);
  if (entry < 0) {
    stack[landed] = route;
    return landed;
  }
  return entry;
}

// Makes `target` the current entry, the browser being at `current`.
function settleAt(target, current) {
  position = target;
  stack.length = position + 1;
  if (target !== current)
    historyStep({steps: target - current, entry: target});
}

// A window's close path (its Chiudi item, its close control). The main
// window has no route: closing it leaves the page.
export function closeWindow(name) {
  if (name !== stack[position])
    return;
  if (!(name in routes)) {
    leavePage();
    return;
  }
  const current = position;
  const target = closeVisible(current);
  if (target === current)
    historyStep({entry: target});
  settleAt(target, current);
}

export function leavePage() {
  window.close();
  history.go(-(position + 1));
}

function onHistoryStep(event) {
  const landed = event.state?.voltaris ?? 0;
  if (landing !== null && landed === landing) {
    landing = null;
    runWaitingSteps();
    return;
  }
  closeFault();
  if (landed > position) {  // Forward: a closed window stays closed
    historyStep({steps: position - landed, entry: position});
    return;
  }
  if (landed === position)
    return;
  settleAt(stack[position] in routes ? closeVisible(landed) : landed, landed);
}

export function startNavigation(first) {
  for (const name of designs.order) {
    section(name).addEventListener('focusin', (event) => lastFocus.set(name, event.target));
    document.getElementById(`${name}-close`).addEventListener('click', () => closeWindow(name));
  }
  stack = [first];
  position = 0;
  // A reload on a later entry of the page's starts again from its first one.
  const entry = history.state?.voltaris;
  historyStep(Number.isInteger(entry) && entry > 0 ? {steps: -entry, entry: 0} : {entry: 0});
  window.addEventListener('popstate', onHistoryStep);
  showWindow(first);
}
