# Tuning width stays 5 until its slider first changes, then is the value / 5.
var tuningWidth
set hsbCelltune 52
var tuningWidth
set hsbCelltune 48
var tuningWidth
set hsbAttended 100
var attnBoost
set hsbAttended 50
var attnBoost
set hsbSuppLevel 0
var inhibLevel
set hsbSuppLevel 35
var inhibLevel
# Back to the start values before the reaches below.
set hsbCelltune 25
set hsbAttended 0
set hsbSuppLevel 100
var tuningWidth
# Step length: speed / 10 to the nearest whole number, a half to the even one. With the
# target just below the hand's height the reach ends after its first step, so the hand's
# offset from the origin is one step long.
click optTarget
mouse picture1 down 38 -8
mouse picture1 up 38 -8
var targetx
var targety
set hsbSpeed 10
click commReach
var step
var handx
var handy
click commRestart
set hsbSpeed 25
click commReach
var step
var handx
var handy
click commRestart
set hsbSpeed 35
click commReach
var step
var handx
var handy
show txtHandx text
show txtHandy text
click commRestart
set hsbSpeed 40
click commReach
var step
var handx
var handy
click commRestart
set hsbSpeed 26
click commReach
var step
