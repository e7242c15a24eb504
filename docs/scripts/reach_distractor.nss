# Experiment 1: a reach without a distractor, then the same reach while the cells respond to
# the distractor as well.
click commReach
var handx
var handy
click commRestart
click chkSeeDistractor
click commReach
var handx
var handy
