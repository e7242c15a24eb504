# A target far beyond any display: at speed 1 the reach would take 20000 steps. It stops
# after 10000 with a message; RESTART brings the hand back as usual.
set hsbSpeed 10
click optTarget
mouse picture1 down -2 20002
mouse picture1 up -2 20002
var targetx
var targety
click commReach
show commReach enabled
click commRestart
var handx
var handy
show commReach enabled
