#pragma once
// What the conditions window and the information window know of the
// variation beside them. The conditions window lists only its conditions
// while lines exist, and its button starts a run or asks to delete the
// variation as the commands do; before the conditions command opens it an
// unfinished variation becomes an extension; conditions cleared behind it are read
// again; its Törlés beside an extension lists the lines afresh; a condition
// removed by hand voids the test of the lines. The information window's
// "Diagram" follows the rows, its command follows the conditions command
// (in extension mode the lines), and its description follows every change
// of the conditions, the ticket, the lines and the test while it shows; a
// run closes it first. Each is called once by the shell right after the
// window is made, so its listeners hear the controllers' signals before the
// windows made after it. Emits nothing.
class TFeltetelek;
class TInfo;

void FeltetelekVariacioBekotese(TFeltetelek& feltetelek);
void InfoVariacioBekotese(TInfo& info, TFeltetelek& feltetelek);
