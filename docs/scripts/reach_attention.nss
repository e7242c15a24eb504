# Experiment 3: attention to the target, lateral inhibition among the cells, and both.
click chkSeeDistractor
set hsbAttended 100
var attnBoost
click commReach
var handx
var handy
click commRestart
set hsbAttended 0
click chkSidestop
click commReach
var handx
var handy
click commRestart
set hsbAttended 50
var attnBoost
click commReach
var handx
var handy
