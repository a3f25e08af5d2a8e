#pragma once
// Tooltips whose text reads on their background.

// From now on every tooltip's text reads on its background: where the style
// gives it a colour too faint there, black or white, whichever reads.
void KeepTipsReadable();
