# A number box's number followed by an exponent or a decimal comma is refused and nothing
# changes; other text after the number is left out ("0.3xyz" reads 0.3).
type txtPoswt 2e-1
key txtPoswt 13
type txtIter 1E3
key txtIter 13
type txtExtipoff 1,5
key txtExtipoff 13
var poswt
var niter
var extipOff
type text1(2) 5e-1
click commRun
var act
type txtPoswt 0.3xyz
key txtPoswt 13
var poswt
