var weights
var order
show txtEpoques text
show txtError text
