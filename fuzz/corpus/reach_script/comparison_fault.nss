# The +/- comparison towards a target no reach gets to: the first reach stops at its step
# limit. The switches, the path colour and REACH are then as the comparison's own end leaves
# them (the distractor seen, colour 3, REACH available), the hand where it stopped; the
# user's own settings (speed, the comparison switch, the places) are as they were.
set hsbSpeed 10
click optTarget
mouse picture1 down -2 20002
mouse picture1 up -2 20002
set chkOnLinePath 0
set chkSeeDistractor 0
set chkWithWithout 1
click commReach
show chkSeeDistractor value
show chkOnLinePath value
show opInk(4) value
show opInk(3) value
show picture1 forecolor
show commReach enabled
show chkWithWithout value
show hsbSpeed value
show optTarget value
var targetx
var targety
var distractorx
var distractory
# RESTART brings the hand back as after any comparison.
click commRestart
var handx
var handy
show commReach enabled
