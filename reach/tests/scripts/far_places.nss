# A place far beyond the hand display is refused with a message: the target stays where it
# was, its texts too, and the printed hand display is a readable page.
click optTarget
mouse picture1 down 1e20 1e20
mouse picture1 move -1e300 5
mouse picture1 up 1e20 1e20
var targetx
var targety
show txtTxpos text
show txtTypos text
# A release far outside a colour swatch is no click on it.
mouse picInk(3) down 10 10
mouse picInk(3) up 1e20 1e20
show opInk(3) value
set chkPrinting 1
click commReach
var handx
var handy
printto far_places.pdf
click commPrint
