# Under the sigmoid rule zero weights give 0.0066928... for every unit, which lights no
# box; a run uses all its epochs and keeps "LEARNING...".
click optSig
click commShownum(8)
click commProcessIp
var outputs
show picOpnode(8) backcolor
show picOpnode(0) backcolor
type txtIpepoques 30
click commLearn
show commLearn caption
show txtEpoques text
show txtError text
var running
var sumError
var outputs
# The last pattern shown is F: its own output and those of A and E lie above 0.1, that of
# 6 below it.
show picOpnode(15) backcolor
show picOpnode(10) backcolor
show picOpnode(14) backcolor
show picOpnode(6) backcolor
# Thirty epochs are not enough for 8: none of its outputs reaches 0.1, no box lights.
click commShownum(8)
click commProcessIp
var outputs
show picOpnode(8) backcolor
show picOpnode(9) backcolor
