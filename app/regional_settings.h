#pragma once
// Where the system announces a change of its regional settings in a way Qt
// does not pass on, turns it into the application's locale change.

// Starts watching, for as long as the application runs.
void WatchRegionalSettings();
