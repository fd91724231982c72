#pragma once

namespace pipwick {

// From now on the program's windows that assistive technologies see are those on the screen: a
// hidden window, such as a computer player's who sits out a two-player game, is left out of the
// application's children, which Qt would give every window it has made.
void ShowOnlyShownWindowsToAssistiveTechnologies();

}  // namespace pipwick
