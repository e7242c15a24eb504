# "All Positions": twelve reaches, three to each preset target with the distractor at each
# other preset. It ends with the target at "Far Left", the distractor at "Far Right" and the
# hand back at the origin; REACH is not touched.
menu itAll
show target left
show target top
show distractor left
show distractor top
var targetx
var targety
var distractorx
var distractory
show txtTxpos text
show txtTypos text
show txtDxpos text
show txtDypos text
var handx
var handy
show Hand left
show Hand top
show commReach enabled
# The hand boxes keep the end of the last reach.
show txtHandx text
show txtHandy text
# Corners of the paths to the first target ("Near Right"), still on the display.
pixel picture1 22.1627 33.2989
pixel picture1 27.7145 41.6162
