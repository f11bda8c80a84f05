// The program's start: the window the user sees first is built first. The inductor page and
// the bottom bar are built before the window is shown; the other pages and the three report
// forms are built by the same builders on the event loop's turn right after the first paint,
// or at once when the user reaches for them sooner (a tab, a print command).
#pragma once

class TForm1;

// The main window of the program's start, with its completion set up; show it next.
TForm1* StartForms();
