# The bubble radius: the scroll bar writes its value into the box and at once runs Find Peak
# Activity with it; typing into the box leaves the scroll bar where it is.
clock 3600
click picHandF1(7)
set hsbPeakrad 5
show txtPeakrad text
var smapAct
# The same six steps by hand give the same map.
click picHandF1(7)
type txtPeakrad 5
click CommFindWinner
var smapAct
type txtPeakrad 2.5
show hsbPeakrad value
# Moving the scroll bar again writes its own value over the typed one.
set hsbPeakrad 6
show txtPeakrad text
