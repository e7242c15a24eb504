# The +/- distractor comparison: the reach without the distractor in colour 4 (dark red),
# RESTART, then with the distractor in colour 3 (blue). It turns the online path on.
set chkOnLinePath 0
set chkWithWithout 1
click commReach
show opInk(4) value
show opInk(3) value
show opInk(5) value
show picture1 forecolor
show chkSeeDistractor value
show chkOnLinePath value
show commReach enabled
# With the distractor the hand is drawn between the two and passes above the target.
var handx
var handy
var targdist
# Corners of the first path (steps 9 and 33) and of the second (steps 6 and 34).
pixel picture1 3.9736 17.5559
pixel picture1 14.5272 64.3813
pixel picture1 0.2076 11.9982
pixel picture1 1.1681 67.9899
