#pragma once
// The fonts the windows were designed with, and what stands in for them.

// The design's fonts by name, with substitutes for systems that lack them;
// from then on every font a control is given names the family installed, so
// text is laid out without the font matcher searching for an absent family.
void UseDesignFonts();
