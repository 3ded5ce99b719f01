// Asks the user for the width (horizontal) or height of the selected controls in pixels.
#pragma once

// True on OK with a positive number typed; pixels then holds it.
bool promptForControlSize(bool horizontal, double& pixels);
