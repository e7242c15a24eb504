# The sample after one default reach: the hand at the target, its path redrawn.
var handx
var handy
show txtHandx text
show target left
pixel picture1 50 0
