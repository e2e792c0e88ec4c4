#pragma once

// Points HOME and the XDG folders at a fresh temporary folder, removed
// when the tests end, so that no test sees the user's own settings or
// state. Call once, first thing in main.
void UseTemporaryHome();
