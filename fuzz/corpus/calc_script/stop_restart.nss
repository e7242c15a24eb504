# Stop ends a run after the epoch in progress; ReStart then continues from the current
# weights with a fresh order and epochs counted from 1; ReStart is refused while running.
click chkRandom
clock 1000
at-yield 2 click CommandHalt
at-yield 1 click CommandRestart
click commLearn
show txtEpoques text
show commLearn caption
var running
var order
var weights
click chkRandom
click CommandRestart
show txtEpoques text
show commLearn caption
var running
var order
var weights
# Stop when no run is going changes nothing; after it ReStart runs again.
click CommandHalt
var running
click CommandRestart
show txtEpoques text
var running
