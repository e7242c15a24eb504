# Touches of single regions, hand-part choices and CLEAR, with and without Map Active.
clock 3600
# The same region touched twice in a row ends unlit but stays the touched region.
click picHandF1(4)
show picHandF1(4) backcolor
click picHandF1(4)
show picHandF1(4) backcolor
var part_touched
# r, then s: s lights red, r goes to the off colour whatever colour it had.
click optHandPart(3)
show picHandF1(18) backcolor
click picHandF1(18)
click picHandF1(9)
show picHandF1(18) backcolor
show picHandF1(9) backcolor
show picHandF1(19) backcolor
var part_touched
# A touch draws the raw response: every node responds a little, so every cell has a red
# centre.
pixel picSenseMap 10.5 0.5
# Map Active unticked: touches and hand parts only colour the hand, the map keeps its drawing.
set chkMapOn 0
click picHandF1(0)
click optHandPart(1)
show picHandF1(0) backcolor
show picHandF1(6) backcolor
show picHandF1(9) backcolor
var part_touched
pixel picSenseMap 10.5 0.5
set chkMapOn 1
# CLEAR: every region off, the map an empty green grid; the touched region is remembered, so
# the next touch turns region 0 off again.
click commCleanHand
show picHandF1(1) backcolor
show picHandF1(6) backcolor
show picHandF1(20) backcolor
var part_touched
click picHandF1(2)
show picHandF1(0) backcolor
show picHandF1(2) backcolor
var part_touched
