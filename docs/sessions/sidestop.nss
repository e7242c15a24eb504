# The sample after a five-iteration run with unit 5's input at 0.8.
var act
var niter
show txtIter text
show text1(4) text
