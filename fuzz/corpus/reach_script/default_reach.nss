# A reach from the start-up state: 51 steps of length 2 toward the target at (22, 98). The
# distance tested before each step is the one before the latest move, so the hand stops one
# step after coming within 2 units.
click commReach
var step
var handx
var handy
var targdist
show txtHandx text
show txtHandy text
show Hand left
show Hand top
show commReach enabled
# Corners of the path (after steps 9 and 33) in the start-up path colour.
pixel picture1 3.9736 17.5559
pixel picture1 14.5272 64.3813
# The last cell display: the strongest spoke, purely target driven, in red.
pixel cell1 0.1295237 0.5858529
# A second click on the disabled button does nothing.
click commReach
var handx
# RESTART brings the hand home, writes 0 in its boxes and redraws the cells.
click commRestart
show commReach enabled
var handx
var handy
show Hand left
show Hand top
show txtHandx text
show txtHandy text
var targdist
# The paths stay until "Delete Path".
pixel picture1 14.5272 64.3813
