// The one fault box: a modal dialog with the message and OK. It takes the
// focus, and gives it back to where it was when OK closes it.
const dialog = () => document.getElementById('fault');
let returnFocus = null;

export function reportFault(message) {
  const box = dialog();
  returnFocus = document.activeElement;
  document.getElementById('fault-message').textContent = message;
  if (!box.open)
    box.showModal();
  document.getElementById('fault-ok').focus();
}

export function closeFault() {
  if (dialog().open)
    dialog().close();
}

export function installFaultDialog() {
  dialog().addEventListener('close', () => {
    const target = returnFocus;
    returnFocus = null;
    if (target && target.isConnected && !target.disabled && !target.closest('[hidden]'))
      target.focus();
  });
}
