# A number box's number followed by an exponent or a decimal comma is refused before the run
# starts (the leading number would be another value); other text after the number is left out.
type txtLrate 1e-3
click commLearn
type txtLrate 0,5
click commLearn
type txtLrate 0.05
type txtIpepoques 1E+4
click commLearn
var lrate
show txtEpoques text
type txtIpepoques 3 epochs
click commLearn
show txtEpoques text
var lrate
