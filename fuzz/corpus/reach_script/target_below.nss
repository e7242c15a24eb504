# A target below the hand: the reach ends before its first step and draws nothing, though
# REACH is disabled as after any reach.
click optTarget
mouse picture1 down 20 -20
var moving_things
mouse picture1 up 20 -20
var moving_things
var targetx
var targety
show txtTxpos text
show txtTypos text
show target left
show target top
click commReach
var handx
var handy
show txtHandx text
show commReach enabled
