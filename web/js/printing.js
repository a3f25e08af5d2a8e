// Prints the visible window alone: the print styles hide everything else, so
// the browser prints its text as text.
export function printWindow() {
  window.print();
}
