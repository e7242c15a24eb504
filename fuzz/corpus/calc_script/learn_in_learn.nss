# LEARN pressed inside a running LEARN runs a whole fresh run; the outer run then goes on
# with the state it left, counting its own epochs: 5 outer epochs around a 5-epoch inner run
# give the weights of 9 epochs from zero. A Stop inside the inner run ends both.
click optSig
type txtIpepoques 5
at-yield 1 click commLearn
click commLearn
show txtEpoques text
var running
var weights
type txtIpepoques 9
click commLearn
var weights
type txtIpepoques 20
at-yield 1 click commLearn
at-yield 3 click CommandHalt
click commLearn
show txtEpoques text
show commLearn caption
var running
# The inner run recreates the arrays while the outer one yields; both go on reading them.
type txtIpepoques 3
at-yield 1 click commLearn
at-yield 2 click commLearn
at-yield 4 click commLearn
click commLearn
show txtEpoques text
var running
