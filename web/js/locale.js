// The decimal separator of the browser's first language (a comma for Italian
// and the other comma languages, a point otherwise), read at start and again
// when the languages change.

function separatorOf(language) {
  try {
    const part = new Intl.NumberFormat(language).formatToParts(1.5).find((p) => p.type === 'decimal');
    return part && part.value === ',' ? ',' : '.';
  } catch {
    return '.';
  }
}

function firstLanguage() {
  return (navigator.languages && navigator.languages[0]) || navigator.language || 'en';
}

let separator = separatorOf(firstLanguage());
window.addEventListener('languagechange', () => {
  separator = separatorOf(firstLanguage());
});

export function decimalSeparator() {
  return separator;
}
