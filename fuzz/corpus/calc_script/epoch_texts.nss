# The epoch count is the text's leading number, rounded half to even; empty, 0 or no
# number gives 20; a negative count runs no epoch. The sigmoid rule never reaches zero error.
click optSig
type txtIpepoques 2.5
click commLearn
show txtEpoques text
show commLearn caption
type txtIpepoques 3.5
click commLearn
show txtEpoques text
type txtIpepoques 7 epochs
click commLearn
show txtEpoques text
type txtIpepoques
click commLearn
show txtEpoques text
type txtIpepoques 0
click commLearn
show txtEpoques text
type txtIpepoques many
click commLearn
show txtEpoques text
type txtIpepoques 1
click commLearn
show txtEpoques text
type txtIpepoques -3
click commLearn
show txtEpoques text
show commLearn caption
var running
var weights
# A learning rate that is no number gives 0: the weights stay 0.
type txtIpepoques 2
type txtLrate fast
click commLearn
var lrate
var weights
show txtEpoques text
