# Experiment 2: the distractor is seen but suppressed, at full and at half strength, and with
# suppression turned down to 0.
click chkSeeDistractor
click chkSuppDist
click commReach
var handx
var handy
click commRestart
set hsbSuppLevel 50
var inhibLevel
click commReach
var handx
var handy
click commRestart
set hsbSuppLevel 0
var inhibLevel
click commReach
var handx
var handy
