#pragma once
// The application's style: the toolkit's own, keeping each standard icon it
// hands out instead of loading the same icon files again for every control.
void UseIconKeepingStyle();
