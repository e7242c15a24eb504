# The output rule is read at every presentation: the sigmoid option chosen during the first
# epoch's yield rules the second epoch, whose outputs then lie strictly between 0 and 1.
type txtIpepoques 2
at-yield 1 click optSig
click commLearn
show optSig value
show optThresh value
show txtEpoques text
var outputs
var errors
