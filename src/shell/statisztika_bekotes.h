#pragma once
// The statistics window's place among the others: the main window's
// statistics button, and what the window asks of the main ticket, the lists
// and the range dialog.
class TFoablak;
class TStatisztika;
struct Formok;

// The windows it works with come from the main window's set of windows.
void StatisztikaBekotese(TFoablak& foablak, TStatisztika& statisztika, const Formok& ablakok);

// The statistics button: shows the window with the first statistic of what
// exists (the draws, else the variation); an error when neither does.
void StatisztikaGombClick(TStatisztika& statisztika);
