# The sample after two epochs of learning.
var sumError
show txtEpoques text
show txtError text
var lrate
