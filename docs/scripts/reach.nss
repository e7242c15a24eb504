# The window for the guide: one reach without and one with the distractor, drawn in two
# colours by the +/- distractor comparison, then RESTART so that the cell display shows the
# responses at the start of a reach, red where the target drives a cell, blue where the
# distractor does.
set chkWithWithout 1
click commReach
var handx
var handy
click commRestart
grab Form1 reach.png
# The same window at 250 %, as on a projector (View > Zoom In).
zoom 250
grab Form1 reach_250.png
zoom 100
