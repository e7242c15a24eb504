# Going on: the displays as they were, then one more reach in the saved ink.
# The clock is frozen again (a fresh process starts with a live one).
clock 5000
pixel picture1 -25.315775 43.116558
pixel picture1 -2.6836495 19.817074
pixel picture1 50 0
show picture1 forecolor
show target left
show target top
show txtHandx text
show hsbCelltune value
show chkSeeDistractor value
show opInk(3) value
click commRestart
click optTpos(2)
click commReach
var tuningWidth
var targetx
var targety
var distractorx
var distractory
var handx
var handy
var step
var cellResp
var targResp
var attnBoost
var inhibLevel
show txtHandy text
