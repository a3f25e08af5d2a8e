#pragma once
// The user's decimal symbol, the one setting the program takes from its
// surroundings.

// The separator in force: the locale's decimal symbol, or the point.
char DecimalSeparator();

// Reads it now, and again whenever the locale changes while the program runs.
void FollowLocaleChanges();
