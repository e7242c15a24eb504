# An epoch count or learning rate the run cannot hold is refused before the run starts;
# a delta step the network refuses ends the run as Stop does.
type txtIpepoques 40000
click commLearn
show commLearn caption
show txtEpoques text
var running
type txtIpepoques 32767.5
click commLearn
type txtIpepoques -32769
click commLearn
type txtIpepoques -32768.5
type txtLrate 1000000000000000000000000000000000000000
click commLearn
click CommandRestart
show commLearn caption
var running
var lrate
type txtIpepoques 20
type txtLrate 300000000000000000000000000000000000000
click commLearn
show commLearn caption
show txtEpoques text
var running
var lrate
var weights
# After the refused step ReStart is accepted and goes on from the weights before it.
type txtLrate 0.05
click CommandRestart
show commLearn caption
show txtEpoques text
var running
