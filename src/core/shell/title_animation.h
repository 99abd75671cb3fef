// The five title letters of the main menu: scattered by every reset, bounced
// round a box for 200 ticks, then stopped one by one as each passes its
// resting place.
#pragma once

namespace quarn {

struct Quarn;

void scatter_title(Quarn& q);
// Timer1 of the main menu, every 25 ms for the whole run.
void title_tick(Quarn& q);

} // namespace quarn
